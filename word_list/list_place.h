#pragma once

#include "word_list/file_replace.h"
#include "word_list/save_folder.h"

#include <QString>
#include <sys/stat.h>

// Where the player's word list lives, decided as the program starts: beside the program where
// that list is the player's own, otherwise in their data folder, made on its first start as a
// copy of the list beside the program where that may be read.
void settleWordListPlace();
// The list a start reads; empty when the program's folder is not known.
QString settingsPath();
// The list a first run or a save may write; empty where this start may write none.
QString listToWrite();

// The way to a list as judgeWay found it, as O_PATH descriptors: nothing opened to read or write.
struct ListWay {
    Descriptor folder; // the folder the file lies in, behind every link
    QByteArray name;   // the file's name there
    Descriptor file;   // the file, where there is one
    struct stat folderInfo {
    }, info{};
    uid_t listLink = uid_t(-1); // the owner of the link at the list's own name, if it is one
};
inline constexpr char kFindingTheList[] = "finding the list"; // ENOENT: no file of that name

// THE RULE. A list is read, copied or written only where nobody but the player or root could have
// laid the way to it. The way is walked from "/" one name at a time, and each name must pass:
// - every folder, link and the file itself belongs to the player or root;
// - no folder on the way may be written by anyone but its owner (no group or other write bit; an
//   ACL's mask shows in the group bits), unless it is sticky (/tmp), where only an entry's owner
//   may rename or remove it;
// - a link is followed from such a folder only, at most six deep, and its target is walked the
//   same way; ".." is the folder's own parent, judged like any other;
// - the file is an ordinary file; a file or link with more than one hard link is taken only
//   where it is the player's own, from a folder nobody else may write (not merely a sticky one).
// A start reads nothing else, a save writes nothing else: everything else sends the player to
// their own list. Only the judged file is then opened again to read or write it. With
// makeFolders, missing folders are made (0700) inside judged ones, each judged in turn.
// Fails with {kFindingTheList, ENOENT} where only the file itself is missing: `way` then holds
// the judged folder it would lie in.
Failure judgeWay(const QByteArray& path, ListWay& way, bool makeFolders = false);
