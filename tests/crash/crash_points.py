"""Usage: crash_points.py SAVE_ONCE [--table]

Kills a save with SIGKILL at each of its system calls in turn (strace's fault injection): a
longer and a shorter list saved through a link to a file with an owner, a mode, an ACL and an
attribute of its own, and a first run. After every crash Settings holds exactly the old list or
exactly the new one, the file is as it was made, and at most one crash point (between the new
file taking a name and the rename) leaves a stray file. --table prints docs/reliability.md's.
"""
import os, re, struct, subprocess, sys, tempfile

SAVE_ONCE, TABLE = sys.argv[1], "--table" in sys.argv
ANY = 0xFFFFFFFF  # the ACL below, in the kernel's layout, lets user 1234 write as well
ACL = struct.pack("<I", 2) + b"".join(struct.pack("<HHI", *entry) for entry in (
    (1, 6, ANY), (2, 6, 1234), (4, 4, ANY), (0x10, 6, ANY), (0x20, 0, ANY)))


def save(folder, how, inject=None):
    trace = ["-o", folder + ".trace"] if inject is None else [
        "-o", "/dev/null", "-e", f"trace={inject[0]}",
        "-e", f"inject={inject[0]}:signal=KILL:when={inject[1]}"]
    quiet = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")  # no leak checks under a tracer
    return subprocess.run(["strace", "-qq", *trace, SAVE_ONCE, folder, how], env=quiet).returncode


def lay_out(folder, how):
    """Settings before the save: None on a first run, else a link to a list kept elsewhere."""
    os.makedirs(os.path.join(folder, "synced"))
    if how == "first-run":
        return None
    target = os.path.join(folder, "synced", "list")
    open(target, "wb").write(OLD)
    os.chmod(target, 0o640)
    if os.geteuid() == 0:
        os.chown(target, 1234, 1234)
    os.setxattr(target, "user.synced", b"yes")
    os.setxattr(target, "system.posix_acl_access", ACL)
    os.symlink("synced/list", os.path.join(folder, "Settings"))
    return OLD


def look(folder):
    """What Settings holds, how the file is made, and the other files beside it."""
    path = os.path.join(folder, "Settings")
    files = sum(len(names) for _, _, names in os.walk(folder))
    if not os.path.exists(path):
        return None, None, files - os.path.islink(path)
    info = os.stat(path)
    made = (os.path.islink(path) and os.readlink(path), info.st_mode, info.st_uid, info.st_gid,
            sorted((name, os.getxattr(path, name)) for name in os.listxattr(path)))
    return open(path, "rb").read(), made, files - 1 - os.path.islink(path)


def calls_of_the_save(how):
    """Each system call between the two getppid() marks, with its count from the start."""
    with tempfile.TemporaryDirectory() as work:
        lay_out(work + "/f", how)
        save(work + "/f", how)
        names = [m.group(1) for m in map(re.compile(r"(\w+)\(").match, open(work + "/f.trace")) if m]
    marks = [i for i, name in enumerate(names) if name == "getppid"]
    return [(name, names[:i + 1].count(name)) for i, name in enumerate(names)
            if marks[0] < i < marks[1]]


with tempfile.TemporaryDirectory() as scratch:  # the defaults, as the program writes them
    subprocess.run([SAVE_ONCE, scratch, "first-run"], check=True)
    OLD = open(scratch + "/Settings", "rb").read()
NEW = {"longer": OLD + b"Extra\r\n", "shorter": b"".join(OLD.splitlines(True)[:5]),
       "first-run": OLD}
failures = []
if TABLE:
    print("| save | call | system call | Settings holds | link, owner, mode, ACL, attribute | "
          "stray files |\n|---|---:|---|---|---|---:|")
for how in NEW:
    stray_points = 0
    for step, (name, nth) in enumerate(calls_of_the_save(how) + [("(none: completed)", 0)], 1):
        with tempfile.TemporaryDirectory() as work:
            old = lay_out(work + "/f", how)
            _, made_before, _ = look(work + "/f")
            save(work + "/f", how, None if nth == 0 else (name, nth))
            held, made, strays = look(work + "/f")
        words = {old: "old list", NEW[how]: "new list", None: "no file"}.get(held, "MIXED")
        kept = old is None or made == made_before
        stray_points += strays > 0
        row = (how, step, name, words, "kept" if kept else "LOST", strays)
        print(("| %s | %s | %s | %s | %s | %s |" if TABLE else "%s %s %s %s %s %s") % row)
        if words == "MIXED" or not kept or (old is not None and held is None):
            failures.append(row)
    if stray_points > 1:
        failures.append((how, f"{stray_points} crash points leave a stray file"))
for failure in failures:
    print("FAIL", *failure)
sys.exit(1 if failures else 0)
