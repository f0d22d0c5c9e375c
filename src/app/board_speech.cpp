// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/board_speech.h"

#include "i18n/language_chooser.h"
#include "i18n/tlanguage.h"
#include "speech/text_to_speech_speaker.h"
#include "system/language_names.h"
#include "widgets/accessible_control.h"
#include "widgets/controls.h"

#include <QLocale>
#include <utility>

namespace brindolo {

BoardSpeech::BoardSpeech(SpokenControls controls)
    : controls_(std::move(controls)), notice_(new AccessibleNotice(controls_.window))
{
    for (int row = 1; row <= board_map::kWordsPerGame; ++row) {
        TPanel& tile = panel(row);
        tile.AccessibleRole = QAccessible::Button;
        tile.AccessibleName = [this, row, &tile] {
            const QString name = numbered(words().tile, row, tile.caption());
            return controls_.game.pickedTile() == row ? name + QStringLiteral(", ") + words().picked : name;
        };
        tile.AccessibleChecked = [this, row] { return controls_.game.pickedTile() == row; };
        TPanel& slot = panel(board_map::slot(row));
        slot.AccessibleRole = QAccessible::Button;
        slot.AccessibleName = [this, row, &slot] { return numbered(words().slot, row, slot.caption()); };
    }
    panel(board_map::kFoundCounter).AccessibleName = [this] {
        const QString count = panel(board_map::kFoundCounter).caption();
        return panel(board_map::kCounterBefore).caption() + u' ' + (count.isEmpty() ? QStringLiteral("0") : count) + u' ' +
               panel(board_map::kCounterAfter).caption();
    };
    panel(board_map::kPlayButton).AccessibleRole = QAccessible::Button;
    controls_.exit.AccessibleRole = QAccessible::Button;
    controls_.flag.AccessibleRole = QAccessible::Button;
    controls_.flag.AccessibleName = [this] {
        return words().language + QStringLiteral(": ") + controls_.languages.currentText();
    };
    controls_.capitals.AccessibleName = [this] { return words().capitals; };
    TPanel& hint = panel(board_map::kHintBar);
    hint.AccessibleRole = QAccessible::Button;
    hint.AccessibleName = [this, &hint] {
        return hint.caption().isEmpty() ? words().sayWord : hint.caption() + QStringLiteral(", ") + words().sayWord;
    };
    followLocale();
}

const SpokenWords& BoardSpeech::words()
{
    if (!words_) {
        // Before any choice the window speaks the language the drop-down
        // names, the one its design is written in.
        QString file = controls_.translator.languageFile();
        if (file.isEmpty())
            file = LanguageFilePath(controls_.programFolder, controls_.languages.currentText());
        words_ = SpokenWords::read(file);
    }
    return *words_;
}

QString BoardSpeech::numbered(const QString& word, int row, const QString& text)
{
    return word + u' ' + QString::number(row) + QStringLiteral(", ") + (text.isEmpty() ? words().empty : text);
}

void BoardSpeech::languageChanged()
{
    words_.reset();
    followLocale();
    for (int number = board_map::kTilesAndSlots.first; number <= board_map::kTilesAndSlots.last; ++number)
        announceNameChange(panel(number));
    announceNameChange(panel(board_map::kFoundCounter));
    announceNameChange(controls_.flag);
    announceNameChange(controls_.capitals);
    announceNameChange(panel(board_map::kHintBar));
    announceNameChange(controls_.voice);
}

void BoardSpeech::followLocale()
{
    // Qt gives a screen reader no locale of an object's own, only the
    // application's, which is QLocale's default. The program formats no
    // number through it, and its case rules never depend on a locale.
    const QLocale::Language language = languageNamed(controls_.languages.currentText());
    QLocale::setDefault(language == QLocale::AnyLanguage ? QLocale::c() : QLocale(language));
}

void BoardSpeech::followPick()
{
    const int now = controls_.game.pickedTile();
    const int before = std::exchange(picked_, now);
    if (now == before)
        return;
    for (int tile : {before, now}) {
        if (tile != 0) {
            announceCheckedChange(panel(tile));
            announceNameChange(panel(tile));
        }
    }
    // A tile that found its word is not put back: the find is told instead.
    if (now != 0)
        notice_->tell(words().picked);
    else if (controls_.game.canPick(before))
        notice_->tell(words().putBack);
}

void BoardSpeech::dropped(const std::optional<Find>& found)
{
    if (!found) {
        notice_->tell(words().notHere);
        return;
    }
    QString message = QString::fromStdString(found->word);
    if (!message.isEmpty())
        message += QStringLiteral(". ");
    if (found->gameOver)
        message += words().bravo + u' ';
    notice_->tell(message + words().foundSentence(found->count));
}

}  // namespace brindolo
