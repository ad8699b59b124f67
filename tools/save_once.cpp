// save_once FOLDER longer|shorter|first-run: one save of the word list in FOLDER, as the editor's
// Save (over the 35 default words) or a first run makes it, bracketed by two getppid() calls so
// that a tracer can tell the save's own system calls from the program's start and end.
#include "word_list/file_replace.h"
#include "word_list/settings_file.h"

#include <QByteArray>
#include <QFile>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString path = QFile::decodeName(argv[1]) + QStringLiteral("/Settings");
    const QByteArray how = argv[2];
    QByteArray bytes;
    for (const QString& word : defaultWords().mid(0, how == "shorter" ? 5 : 35))
        bytes += word.toLatin1() + "\r\n";
    if (how == "longer")
        bytes += "Extra\r\n";
    ::getppid();
    const bool saved = how == "first-run" ? createFile(path, bytes) : rewriteFile(path, bytes);
    ::getppid();
    return saved ? 0 : 1;
}
