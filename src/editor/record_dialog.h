// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word's recording: Record, say the word, Stop (or five seconds pass),
// with a level meter that shows the microphone hears; then Play it back,
// Record again or Keep it as WORD.wav beside the picture. An older
// recording is replaced only when the new one is kept. A recording can also
// be chosen from disk, or deleted. Without a microphone Record is disabled
// and says why.

#include "editor/editor_texts.h"

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace brindolo {

class VoiceRecorder;

class RecordDialog : public QDialog {
    Q_OBJECT
public:
    // picturePath: the word's picture (a local path); shownWord as the
    // game shows it.
    RecordDialog(const QString& picturePath, const QString& shownWord, const EditorTexts& texts,
                 QWidget* parent = nullptr);
    ~RecordDialog() override;

private:
    void recordOrStop();
    void stopped(const QString& problem);
    void play();
    void keep();
    void chooseFile();
    void deleteRecording();
    void update();

    QString picturePath_;
    const EditorTexts& texts_;
    VoiceRecorder* recorder_;
    QPushButton* record_;
    QPushButton* play_;
    QPushButton* keep_;
    QPushButton* choose_;
    QPushButton* delete_;
    QProgressBar* level_;
    QLabel* status_;
};

// Copies a sound file beside the picture as its recording (WORD and the
// file's own extension), whole or nothing; only then are the word's other
// recordings removed. Raises Exception when the file cannot be copied.
void useRecordingFile(const QString& picturePath, const QString& soundFile);
// Removes every recording of the picture but kept.
void removeOtherRecordings(const QString& picturePath, const QString& kept);

}  // namespace brindolo
