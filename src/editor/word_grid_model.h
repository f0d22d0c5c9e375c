// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words of one theme of a word list (or of the whole list) as the
// editor's grid shows them: each word in capitals as the game shows it, its
// thumbnail once decoded, whether it has a recording, and what the folder
// check would say about it. A thumbnail is asked for when the view asks for
// the item's picture, which it does only for the items it draws. The
// thumbnails made are kept up to a budget of bytes, the ones drawn longest
// ago dropped first and made again in the background when they are drawn
// again; what decoding found is kept for every word.

#include "editor/editor_texts.h"
#include "editor/thumbnail_loader.h"
#include "game/word_findings.h"

#include <QAbstractListModel>
#include <QCache>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

namespace brindolo {

// The thumbnails kept of a list at most: three screens of 1920 x 1080 filled
// with them, more than three screens' worth, since a cell is larger than
// its picture. A thousand photos' would take 77 MB.
inline constexpr qsizetype kDefaultThumbnailBudget = qsizetype{3} * 1920 * 1080 * 4;

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
    // The bytes the kept thumbnails may take; those drawn longest ago go
    // first. The bytes they take now.
    void setThumbnailBudget(qsizetype bytes) { thumbnails_.setMaxCost(bytes); }
    qsizetype thumbnailBytes() const { return thumbnails_.totalCost(); }

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

    // The texts of the marks and findings, in the interface's language.
    void setTexts(const EditorTexts& texts) { texts_ = texts; }

signals:
    // Picture files dropped from a file manager, as local paths.
    void filesDropped(const QStringList& paths);

private:
    struct Entry {
        std::string gameWord;
        QString shown;
        bool recording = false;
        std::vector<WordFinding> findings;  // the name's, the recording's and the same word's
        QString key;                        // the picture's path with its size and time
        mutable bool asked = false;         // a thumbnail is on its way
    };
    // What decoding a picture gave besides its thumbnail, kept for every
    // picture decoded: the marks stay when the thumbnail is dropped.
    struct Decoded {
        bool shown = false;  // whether it gave a picture
        std::vector<WordFinding> findings;
    };

    void thumbnailReady(const QString& key, const Thumbnail& thumbnail);
    // The entry's own findings, then its picture's once decoded.
    std::vector<WordFinding> allFindings(const Entry& entry) const;

    ThumbnailLoader& loader_;
    std::string folder_;
    std::string theme_;
    std::vector<Entry> entries_;
    // Made thumbnails by key, kept across themes and reloads up to the
    // budget; a changed picture has a new key. Mutable: drawing a
    // thumbnail makes it the last to be dropped.
    mutable QCache<QString, QImage> thumbnails_;
    QHash<QString, Decoded> decoded_;
    QImage waiting_;
    int arrived_ = 0;
    EditorTexts texts_ = EditorTexts::read({});
};

}  // namespace brindolo
