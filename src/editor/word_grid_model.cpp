// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/word_grid_model.h"

#include "game/game.h"
#include "game/word_rules.h"
#include "speech/recording_files.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <map>

namespace brindolo {

namespace {

QString fromBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

WordGridModel::WordGridModel(ThumbnailLoader& loader, QObject* parent)
    : QAbstractListModel(parent), loader_(loader), thumbnails_(kDefaultThumbnailBudget)
{
    waiting_ = QImage(loader.size(), QImage::Format_RGB32);
    waiting_.fill(QColor(0xe8, 0xe8, 0xe8));
    connect(&loader_, &ThumbnailLoader::ready, this, &WordGridModel::thumbnailReady);
}

void WordGridModel::show(const std::string& folder, const std::string& theme)
{
    beginResetModel();
    loader_.forgetPending();
    folder_ = folder;
    theme_ = theme;
    entries_.clear();
    arrived_ = 0;
    // The same word twice is judged over the whole list, as the folder
    // check judges it, whichever theme is shown.
    std::map<std::string, std::string> firstOfWord;
    std::map<std::string, std::string> sameAs;
    for (const std::string& name : catalogueNames(folder)) {
        const std::string word = wordStem(name);
        if (word.empty())
            continue;
        const auto [first, added] = firstOfWord.try_emplace(caseInsensitiveForm(word), name);
        if (!added)
            sameAs.emplace(name, first->second);
    }
    for (std::string& name : catalogueNames(folder, theme)) {
        Entry entry;
        const QString path = fromBytes(picturePathFor(folder, name));
        entry.shown = QString::fromStdString(upperCase(wordStem(name)));
        entry.findings = nameFindings(name);
        const QString recording = recordingFor(path);
        entry.recording = !recording.isEmpty();
        if (entry.recording)
            if (const QString problem = recordingProblem(recording); !problem.isEmpty())
                entry.findings.push_back({false,
                                          "the recording " + problem.toStdString() +
                                              ", so the synthetic voice says the word instead",
                                          FindingKind::Recording, {problem.toStdString()}});
        if (const auto same = sameAs.find(name); same != sameAs.end())
            entry.findings.push_back(sameWordFinding(same->second));
        const QFileInfo file(path);
        entry.key = path + u'\n' + QString::number(file.size()) + u'\n' +
                    QString::number(file.lastModified().toMSecsSinceEpoch());
        entry.gameWord = std::move(name);
        entries_.push_back(std::move(entry));
    }
    endResetModel();
}

void WordGridModel::forgetPendingThumbnails()
{
    loader_.forgetPending();
    for (Entry& entry : entries_)
        entry.asked = false;
}

void WordGridModel::thumbnailReady(const QString& key, const Thumbnail& thumbnail)
{
    decoded_.insert(key, {!thumbnail.picture.isNull(), thumbnail.findings});
    if (!thumbnail.picture.isNull())
        thumbnails_.insert(key, new QImage(thumbnail.picture), std::max<qsizetype>(1, thumbnail.picture.sizeInBytes()));
    for (std::size_t row = 0; row < entries_.size(); ++row)
        if (entries_[row].key == key) {
            entries_[row].asked = false;
            ++arrived_;
            const QModelIndex changed = index(static_cast<int>(row));
            emit dataChanged(changed, changed);
        }
}

std::vector<WordFinding> WordGridModel::allFindings(const Entry& entry) const
{
    std::vector<WordFinding> findings = entry.findings;
    if (const auto made = decoded_.constFind(entry.key); made != decoded_.constEnd())
        findings.insert(findings.end(), made->findings.begin(), made->findings.end());
    return findings;
}

QString WordGridModel::description(int row) const
{
    const Entry& entry = entries_.at(row);
    QStringList lines{entry.shown};
    if (entry.recording)
        lines << texts_("HasRecording");
    for (const WordFinding& finding : allFindings(entry))
        lines << texts_(finding.error ? "Error" : "Warning") + QStringLiteral(": ") + texts_.finding(finding);
    return lines.join(u'\n');
}

int WordGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant WordGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry& entry = entries_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return entry.shown;
    case Qt::DecorationRole: {
        if (const QImage* made = thumbnails_.object(entry.key))
            return *made;
        // Made again when it was dropped; a picture that gave none is not
        // decoded again.
        const auto decoded = decoded_.constFind(entry.key);
        if (!entry.asked && (decoded == decoded_.constEnd() || decoded->shown)) {
            entry.asked = true;
            loader_.request(entry.key, picturePathFor(folder_, entry.gameWord));
        }
        return waiting_;
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return description(index.row());
    case GameWordRole:
        return QString::fromStdString(entry.gameWord);
    case HasRecordingRole:
        return entry.recording;
    case FindingsRole: {
        int worst = 0;
        for (const WordFinding& finding : allFindings(entry))
            worst = std::max(worst, finding.error ? 2 : 1);
        return worst;
    }
    default:
        return {};
    }
}

Qt::ItemFlags WordGridModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags | Qt::ItemIsDropEnabled;
}

QStringList WordGridModel::mimeTypes() const
{
    return {QString::fromLatin1(kWordsMimeType), QStringLiteral("text/uri-list")};
}

QMimeData* WordGridModel::mimeData(const QModelIndexList& indexes) const
{
    // The names' own bytes, each ended by a NUL, which no file name holds.
    QByteArray words;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && index.row() < rowCount())
            words += QByteArray::fromStdString(entries_[index.row()].gameWord) + '\0';
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kWordsMimeType), words);
    return data;
}

Qt::DropActions WordGridModel::supportedDropActions() const
{
    return Qt::CopyAction;
}

Qt::DropActions WordGridModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

bool WordGridModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return data->hasUrls();
}

bool WordGridModel::dropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&)
{
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return false;
    emit filesDropped(paths);
    // The files are added by whoever listens; the view must not remove
    // anything of its own.
    return false;
}

}  // namespace brindolo
