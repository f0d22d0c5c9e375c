// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/board_speech.h"

#include "app/principale.h"
#include "i18n/language_chooser.h"
#include "platform/text_to_speech_speaker.h"

#include <QLocale>
#include <utility>

namespace brindolo {

BoardSpeech::BoardSpeech(TPrincipale& window) : window_(window), notice_(new AccessibleNotice(window))
{
    for (int row = 1; row <= 10; ++row) {
        TPanel& tile = *window_.Panel(row);
        tile.AccessibleRole = QAccessible::Button;
        tile.AccessibleName = [this, row, &tile] {
            const QString name = numbered(words().tile, row, tile.caption());
            return window_.game().pickedTile() == row ? name + QStringLiteral(", ") + words().picked : name;
        };
        tile.AccessibleChecked = [this, row] { return window_.game().pickedTile() == row; };
        TPanel& slot = *window_.Panel(10 + row);
        slot.AccessibleRole = QAccessible::Button;
        slot.AccessibleName = [this, row, &slot] { return numbered(words().slot, row, slot.caption()); };
    }
    window_.Panel(33)->AccessibleName = [this] {
        const QString count = window_.Panel(33)->caption();
        return window_.Panel(32)->caption() + u' ' + (count.isEmpty() ? QStringLiteral("0") : count) + u' ' +
               window_.Panel(34)->caption();
    };
    window_.Panel(35)->AccessibleRole = QAccessible::Button;
    window_.Esci->AccessibleRole = QAccessible::Button;
    window_.RichiamaLingua1->AccessibleRole = QAccessible::Button;
    window_.RichiamaLingua1->AccessibleName = [this] {
        return words().language + QStringLiteral(": ") + window_.SceltaLingua->currentText();
    };
    window_.MaiuscoloMinuscolo->AccessibleName = [this] { return words().capitals; };
    TPanel& hint = *window_.Panel(board_map::kHintBar);
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
        QString file = window_.Language1->languageFile();
        if (file.isEmpty())
            file = LanguageFilePath(window_.programFolder(), window_.SceltaLingua->currentText());
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
    for (int panel = 1; panel <= 20; ++panel)
        announceNameChange(*window_.Panel(panel));
    announceNameChange(*window_.Panel(33));
    announceNameChange(*window_.RichiamaLingua1);
    announceNameChange(*window_.MaiuscoloMinuscolo);
    announceNameChange(*window_.Panel(board_map::kHintBar));
    announceNameChange(*window_.Voce);
}

void BoardSpeech::followLocale()
{
    // Qt gives a screen reader no locale of an object's own, only the
    // application's, which is QLocale's default. Nothing else in the program
    // reads the default locale: numbers and case never depend on it.
    const QLocale::Language language = languageNamed(window_.SceltaLingua->currentText());
    QLocale::setDefault(language == QLocale::AnyLanguage ? QLocale::c() : QLocale(language));
}

void BoardSpeech::followPick()
{
    const int now = window_.game().pickedTile();
    const int before = std::exchange(picked_, now);
    if (now == before)
        return;
    for (int tile : {before, now}) {
        if (tile != 0) {
            announceCheckedChange(*window_.Panel(tile));
            announceNameChange(*window_.Panel(tile));
        }
    }
    // A tile that found its word is not put back: the find is told instead.
    if (now != 0)
        notice_->tell(words().picked);
    else if (window_.game().canPick(before))
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
