// default_list FILE: writes the 35 words a first run writes, byte for byte as it writes them.
// The Debian package ships them as the administrator's starting list, /etc/gibbetry/Settings.
#include "word_list/settings_file.h"

#include <QFile>

int main(int argc, char** argv) {
    return argc == 2 && writeDefaultWordList(QFile::decodeName(argv[1])) ? 0 : 1;
}
