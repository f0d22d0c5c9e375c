// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/record_dialog.h"

#include "editor/voice_recorder.h"
#include "speech/recording_files.h"
#include "system/errors.h"
#include "system/file_errors.h"
#include "system/file_reader.h"
#include "widgets/event_boundary.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace brindolo {

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(QStringLiteral("...")).remove(u'&');
}

// Every recording beside a picture, in the order the game looks for them.
QStringList recordingsOf(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    const QString stem = picture.path() + u'/' + picture.completeBaseName();
    QStringList recordings;
    for (const QString& extension : recordingExtensions())
        for (const QString& name : {stem + u'.' + extension, stem + u'.' + extension.toUpper()})
            if (QFileInfo(name).isFile())
                recordings << name;
    return recordings;
}

QString stemOf(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    return picture.path() + u'/' + picture.completeBaseName();
}

}  // namespace

void removeOtherRecordings(const QString& picturePath, const QString& kept)
{
    for (const QString& recording : recordingsOf(picturePath))
        if (recording != kept && !QFile::remove(recording))
            throw Exception("cannot remove the older recording " + QFile::encodeName(recording).toStdString());
}

void useRecordingFile(const QString& picturePath, const QString& soundFile)
{
    const QString suffix = QFileInfo(soundFile).suffix().toLower();
    if (!recordingExtensions().contains(suffix))
        throw Exception("the game plays only " + recordingExtensions().join(QStringLiteral(", ")).toStdString() +
                        " recordings");
    const QString target = stemOf(picturePath) + u'.' + suffix;
    // Read as every given file is: a pipe or a device chosen by mistake is
    // refused at once instead of holding the window, and a file far larger
    // than any word's recording is not read.
    constexpr std::size_t kMostRecordingBytes = std::size_t{64} << 20;
    const std::string sourcePath = QFile::encodeName(soundFile).toStdString();
    const WholeFile source = readWholeFile(sourcePath, kMostRecordingBytes);
    if (source.error != 0)
        throw Exception("cannot read " + sourcePath + ": " +
                        whyUnreadableFile(sourcePath, source.error, "recording", kMostRecordingBytes));
    // Copied aside in the same folder, then renamed over the target: a full
    // disk leaves the older recording as it was.
    QTemporaryFile aside(target + QStringLiteral(".XXXXXX"));
    const auto size = static_cast<qint64>(source.bytes.size());
    if (!aside.open() || aside.write(reinterpret_cast<const char*>(source.bytes.data()), size) != size || !aside.flush())
        throw Exception("cannot write " + QFile::encodeName(target).toStdString() + ": " +
                        aside.errorString().toStdString());
    QFile::remove(target);
    if (!aside.rename(target))
        throw Exception("cannot write " + QFile::encodeName(target).toStdString() + ": " +
                        aside.errorString().toStdString());
    aside.setAutoRemove(false);
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ReadOther);
    removeOtherRecordings(picturePath, target);
}

RecordDialog::RecordDialog(const QString& picturePath, const QString& shownWord, const EditorTexts& texts,
                           QWidget* parent)
    : QDialog(parent), picturePath_(picturePath), texts_(texts), recorder_(new VoiceRecorder(this))
{
    setWindowTitle(withoutMnemonic(texts("Record")) + QStringLiteral(": ") + shownWord);
    auto* layout = new QVBoxLayout(this);
    auto* word = new QLabel(shownWord, this);
    QFont big = word->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    word->setFont(big);
    layout->addWidget(word);
    level_ = new QProgressBar(this);
    level_->setRange(0, 100);
    level_->setTextVisible(false);
    level_->setAccessibleName(texts("Level"));
    layout->addWidget(level_);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* row = new QHBoxLayout;
    const auto button = [&](const char* key, void (RecordDialog::*handler)()) {
        auto* made = new QPushButton(texts(key), this);
        made->setObjectName(QString::fromLatin1(key));
        made->setAccessibleName(withoutMnemonic(texts(key)));
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, [this, handler] { EventBoundary::run([this, handler] { (this->*handler)(); }); });
        row->addWidget(made);
        return made;
    };
    record_ = button("Record", &RecordDialog::recordOrStop);
    play_ = button("Listen", &RecordDialog::play);
    keep_ = button("Keep", &RecordDialog::keep);
    choose_ = button("ChooseRecording", &RecordDialog::chooseFile);
    delete_ = button("DeleteRecording", &RecordDialog::deleteRecording);
    layout->addLayout(row);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(close);

    connect(recorder_, &VoiceRecorder::levelChanged, this, [this](double level) { level_->setValue(qRound(level * 100)); });
    connect(recorder_, &VoiceRecorder::stopped, this, &RecordDialog::stopped);
    connect(recorder_, &VoiceRecorder::playbackFinished, this, &RecordDialog::update);
    connect(recorder_, &VoiceRecorder::availabilityChanged, this, &RecordDialog::update);
    update();
}

RecordDialog::~RecordDialog() = default;

void RecordDialog::update()
{
    const bool recording = recorder_->recording();
    const QString unavailable = recorder_->unavailableReason();
    record_->setText(recording ? texts_("Stop") : texts_("Record"));
    record_->setAccessibleName(withoutMnemonic(record_->text()));
    record_->setEnabled(recording || unavailable.isEmpty());
    record_->setToolTip(unavailable);
    record_->setAccessibleDescription(unavailable);
    if (!recording && !unavailable.isEmpty())
        status_->setText(unavailable);
    play_->setEnabled(!recording && recorder_->hasTake());
    keep_->setEnabled(!recording && recorder_->hasTake());
    choose_->setEnabled(!recording);
    delete_->setEnabled(!recording && !recordingsOf(picturePath_).isEmpty());
    if (!recording)
        level_->setValue(0);
}

void RecordDialog::recordOrStop()
{
    if (recorder_->recording()) {
        recorder_->stop();
    } else {
        status_->setText(texts_("SayTheWord"));
        recorder_->start();
    }
    update();
}

void RecordDialog::stopped(const QString& problem)
{
    status_->setText(problem.isEmpty() ? texts_("Recorded") : problem);
    update();
    if (problem.isEmpty())
        EventBoundary::run([this] { recorder_->play(); });
}

void RecordDialog::play()
{
    recorder_->play();
}

void RecordDialog::keep()
{
    const QString target = stemOf(picturePath_) + QStringLiteral(".wav");
    recorder_->keep(target);
    removeOtherRecordings(picturePath_, target);
    recorder_->discard();
    status_->setText(texts_("Kept"));
    update();
}

void RecordDialog::chooseFile()
{
    QStringList patterns;
    for (const QString& extension : recordingExtensions())
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    const QString file = QFileDialog::getOpenFileName(this, withoutMnemonic(texts_("ChooseRecording")), QString(),
                                                      texts_("Recordings") + QStringLiteral(" (") + patterns.join(u' ') + u')');
    if (file.isEmpty())
        return;
    useRecordingFile(picturePath_, file);
    status_->setText(texts_("Kept"));
    update();
}

void RecordDialog::deleteRecording()
{
    for (const QString& recording : recordingsOf(picturePath_)) {
        QFile file(recording);
        if (!file.moveToTrash() && !file.remove())
            throw Exception("cannot delete " + QFile::encodeName(recording).toStdString() + ": " +
                            file.errorString().toStdString());
    }
    update();
}

}  // namespace brindolo
