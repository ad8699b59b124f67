#include "fake_platform.h"

int ScriptedMessageBox::show(const QString& text, int style, const QString& caption) {
    shown.append({text, style, caption});
    if (whileShown)
        whileShown(shown.last());
    return answers.isEmpty() ? kAnswerOk : answers.takeFirst();
}

QStringList ScriptedMessageBox::texts() const {
    QStringList result;
    for (const Shown& message : shown)
        result.append(message.text);
    return result;
}

QString ScriptedInputBox::ask(const QString& prompt, const QString& caption,
                              const QString& defaultText, QPoint topLeftTwips) {
    asked.append({prompt, caption, defaultText, topLeftTwips});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

void RecordingSound::playToEnd(const QString& path) {
    played.append(path);
    if (whilePlaying)
        whilePlaying(path);
}

float ScriptedRandom::next() {
    ++taken;
    return values.isEmpty() ? 0.0f : values.takeFirst();
}
