#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh, empty program folder for one test; the real one comes back afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString settings() const { return file(QStringLiteral("Settings")); }

    void writeSettings(const QByteArray& bytes) const;
    // One line a word, each ending in CR LF.
    void writeWords(const QStringList& words) const;
    QByteArray readSettings() const;

private:
    QTemporaryDir dir_;
};

// The default words as a first run writes them.
QByteArray defaultSettingsBytes();
