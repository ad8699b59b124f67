#!/usr/bin/env python3
"""Usage: tools/crash_points.py SAVE_ONCE [--table]   (SAVE_ONCE: the build's save_once)
Kills a save with SIGKILL at each of its system calls in turn (strace's fault injection): longer
and shorter lists saved through a link to a file with its own owner, mode, ACL and attribute,
and a first run. After every crash Settings holds the old list or the new one, made as before,
and at most one crash point (the new file named, not yet renamed) leaves a stray file."""
import os, re, struct, subprocess, sys, tempfile

SAVE_ONCE, TABLE = sys.argv[1], "--table" in sys.argv
ANY = 0xFFFFFFFF  # an access ACL, in the kernel's layout, that lets user 1234 write as well
ACL = struct.pack("<I", 2) + b"".join(struct.pack("<HHI", *entry) for entry in (
    (1, 6, ANY), (2, 6, 1234), (4, 4, ANY), (0x10, 6, ANY), (0x20, 0, ANY)))


def save(folder, how, kill_at=None):
    trace = ["-o", folder + ".trace"] if kill_at is None else ["-o", "/dev/null", "-e",
            f"trace={kill_at[0]}", "-e", f"inject={kill_at[0]}:signal=KILL:when={kill_at[1]}"]
    quiet = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")  # no leak check under a tracer
    subprocess.run(["strace", "-qq", *trace, SAVE_ONCE, folder, how], env=quiet)


def lay_out(folder, how):
    os.makedirs(folder + "/synced")
    if how != "first-run":
        target = folder + "/synced/list"
        open(target, "wb").write(OLD)
        os.chmod(target, 0o640)
        if os.geteuid() == 0:
            os.chown(target, -1, 1234)  # the list stays the player's own, its group another
        os.setxattr(target, "user.synced", b"yes")
        os.setxattr(target, "system.posix_acl_access", ACL)
        os.symlink("synced/list", folder + "/Settings")


def look(folder):
    """What Settings holds, how its file is made, and how many other files lie about."""
    path, files = folder + "/Settings", sum(len(names) for _, _, names in os.walk(folder))
    if not os.path.exists(path):
        return None, None, files - os.path.islink(path)
    info = os.stat(path)
    made = (os.path.islink(path) and os.readlink(path), info.st_mode, info.st_uid, info.st_gid,
            sorted((name, os.getxattr(path, name)) for name in os.listxattr(path)))
    return open(path, "rb").read(), made, files - 1 - os.path.islink(path)


def calls_of_the_save(work, how):
    """Each system call between the two getppid() marks, and how many of its name came before."""
    lay_out(work + "/f", how)
    save(work + "/f", how)
    names = [m[1] for m in map(re.compile(r"(\w+)\(").match, open(work + "/f.trace")) if m]
    start, end = [i for i, name in enumerate(names) if name == "getppid"]
    return [(name, names[:i + 1].count(name)) for i, name in enumerate(names) if start < i < end]


with tempfile.TemporaryDirectory() as work:  # the defaults, as the program writes them
    subprocess.run([SAVE_ONCE, work, "first-run"], check=True)
    OLD = open(work + "/Settings", "rb").read()
NEW = {"longer": OLD + b"Extra\r\n", "shorter": b"".join(OLD.splitlines(True)[:5]),
       "first-run": OLD}
print("| save | call | system call | Settings holds | link, owner, mode, ACL, attribute | stray files"
      " |\n|---|---:|---|---|---|---:|" if TABLE else "save, call, system call, outcome")
failures = []
for how in NEW:
    with tempfile.TemporaryDirectory() as work:
        calls, stray_points = calls_of_the_save(work, how) + [("(none: completed)", 0)], 0
    for step, (name, nth) in enumerate(calls, 1):
        with tempfile.TemporaryDirectory() as work:
            lay_out(work + "/f", how)
            _, made_before, _ = look(work + "/f")
            save(work + "/f", how, (name, nth) if nth else None)
            held, made, strays = look(work + "/f")
        old = None if how == "first-run" else OLD
        words = {old: "old list", NEW[how]: "new list", None: "no file"}.get(held, "MIXED")
        kept = how == "first-run" or made == made_before
        row = (how, step, name, words, "kept" if kept else "LOST", strays)
        print(("| %s | %s | %s | %s | %s | %s |" if TABLE else "%s %s %s: %s, %s, %s") % row)
        stray_points += strays > 0
        if "MIXED" in row or "LOST" in row or (old and not held):
            failures.append(row)
    if stray_points > 1:
        failures.append((how, f"{stray_points} crash points leave a stray file"))
for failure in failures:
    print("FAIL", *failure)
sys.exit(1 if failures else 0)
