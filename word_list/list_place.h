#pragma once

#include "word_list/file_replace.h"
#include "word_list/save_folder.h"

#include <QString>
#include <optional>
#include <sys/stat.h>

// Where the player's word list lives, decided as the program starts: beside the program where the
// player may write it there, otherwise in their data folder, made on its first start as a copy
// of the list beside the program where that can be read.
void settleWordListPlace();
// Empty when the program's folder is not known: the program then touches no file at all.
QString settingsPath();

// Only in a folder of the player's own: whatever stands there where nobody else can put a name
// in it (only the player or an administrator could have); where others can, only a link (if
// any) and file of the player's own, as the kernel's link protection judges a shared folder.
bool playerMayWrite(const struct stat& folder, uid_t link, uid_t file);

// The list opened once, never blocking, an ordinary file; through a link, the file it points
// to, beside which a save puts its new file.
struct OpenList {
    std::optional<Folder> folder, fileFolder; // the list's; through a link, the file's
    QByteArray name, fileName;
    Descriptor file;
    struct stat info {
    }, entry{}; // the file's, and the name's own (the link, where there is one)
    const Folder& whereFileLies() const { return fileFolder ? *fileFolder : *folder; }
    bool stillNamed() const; // no other copy has put a new file in its place
};
enum class ListUse { Read, Write };
inline constexpr char kFindingTheList[] = "finding the list"; // ENOENT: a first run

// A link is followed only where it is the player's or an administrator's, or lies in a folder
// only the player may write, and only to a file; to write, playerMayWrite must hold too.
Failure openList(const QByteArray& path, ListUse use, OpenList& list);
