#include "program_folder_fixture.h"

#include "main_window/program_folder.h"

#include <QFile>

TempProgramFolder::TempProgramFolder() {
    setProgramFolder(dir_.path());
}

TempProgramFolder::~TempProgramFolder() {
    setProgramFolder({});
}

void TempProgramFolder::writeSettings(const QByteArray& bytes) const {
    QFile out(settings());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write the test's Settings");
}

void TempProgramFolder::writeWords(const QStringList& words) const {
    QByteArray bytes;
    for (const QString& word : words)
        bytes += word.toLatin1() + "\r\n";
    writeSettings(bytes);
}

QByteArray TempProgramFolder::readSettings() const {
    QFile in(settings());
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

QByteArray defaultSettingsBytes() {
    return "Internet\r\nComputer\r\nCorrupted\r\nWallaby\r\nCanister\r\nPresident\r\nChoice\r\n"
           "Selective\r\nAdaptive\r\nIrony\r\nIndulge\r\nStorm\r\nDrain\r\nTree\r\nMallot\r\n"
           "Chainmail\r\nMountain\r\nMystic\r\nHollywood\r\nMusic\r\nCandle\r\nCorn\r\nWash\r\n"
           "Right\r\nRich\r\nBedding\r\nBorder\r\nNewlywed\r\nTelevision\r\nOlive\r\nWax\r\n"
           "Fake\r\nPhonics\r\nSilver\r\nSting\r\n";
}
