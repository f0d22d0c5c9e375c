// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words of one theme of a word list (or of the whole list) as the
// editor's grid shows them: each word in capitals as the game shows it, its
// thumbnail once decoded, whether it has a recording, and what the folder
// check would say about it. A thumbnail is asked for the first time the view
// asks for the item's picture, which it does only for the items it draws.

#include "editor/thumbnail_loader.h"
#include "game/word_findings.h"

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

namespace brindolo {

class WordGridModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        GameWordRole = Qt::UserRole,  // "theme/gatto.jpg", UTF-8 of the file system's bytes
        HasRecordingRole,             // bool
        FindingsRole,                 // int: 0 none, 1 warnings only, 2 an error
    };
    // The type of a drag of words: their game words, each ended by a NUL.
    static constexpr const char* kWordsMimeType = "application/x-brindolo-words";

    WordGridModel(ThumbnailLoader& loader, QObject* parent = nullptr);

    // Lists the words of theme (empty for the whole list) of folder, which
    // ends with "/". The thumbnails already made are kept.
    void show(const std::string& folder, const std::string& theme);
    void reload() { show(folder_, theme_); }
    const std::string& folder() const { return folder_; }
    const std::string& theme() const { return theme_; }

    // The text the tooltip and a screen reader give for row: the word, its
    // recording and every finding.
    QString description(int row) const;
    std::string gameWord(int row) const { return entries_.at(row).gameWord; }
    // Requests not started are dropped; the rows drawn next ask again.
    void forgetPendingThumbnails();
    // How many thumbnails have arrived since the list was last shown.
    int thumbnailsArrived() const { return arrived_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Texts for the marks, in the interface's language.
    void setMarkTexts(const QString& recording, const QString& error, const QString& warning);

signals:
    // Picture files dropped from a file manager, as local paths.
    void filesDropped(const QStringList& paths);

private:
    enum class Thumb { Wanted, Asked, Arrived };
    struct Entry {
        std::string gameWord;
        QString shown;
        bool recording = false;
        std::vector<WordFinding> findings;  // the name's, the recording's and the same word's
        QString key;                        // the picture's path with its size and time
        mutable Thumb thumb = Thumb::Wanted;
    };

    void thumbnailReady(const QString& key, const Thumbnail& thumbnail);
    // The entry's own findings, then its picture's once decoded.
    std::vector<WordFinding> allFindings(const Entry& entry) const;

    ThumbnailLoader& loader_;
    std::string folder_;
    std::string theme_;
    std::vector<Entry> entries_;
    // Made thumbnails by key, kept across themes and reloads; a changed
    // picture has a new key.
    QHash<QString, Thumbnail> thumbnails_;
    QImage waiting_;
    int arrived_ = 0;
    QString recordingText_ = QStringLiteral("recording");
    QString errorText_ = QStringLiteral("error");
    QString warningText_ = QStringLiteral("warning");
};

}  // namespace brindolo
