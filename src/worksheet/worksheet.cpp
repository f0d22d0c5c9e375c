// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet.h"

#include "game/word_rules.h"
#include "i18n/ini_reader.h"
#include "picture/bitmap.h"
#include "picture/codec/file_copy.h"
#include "picture/codec/jpeg_decode.h"
#include "system/errors.h"
#include "system/logging.h"
#include "system/utf8.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <clocale>
#include <locale.h>
#include <new>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

namespace brindolo {

WorksheetTexts WorksheetTexts::read(const QString& languageFile)
{
    WorksheetTexts texts;
    if (languageFile.isEmpty())
        return texts;
    const IniReader file(QFile::encodeName(languageFile).toStdString());
    const QString section = QStringLiteral("Worksheet");
    for (auto [key, text] : {std::pair{"Title", &texts.title}, {"Name", &texts.name}, {"Answers", &texts.answers}}) {
        const QString value = file.readString(section, QLatin1String(key));
        if (!value.isEmpty())
            *text = value;
    }
    return texts;
}

Worksheet makeWorksheet(const std::array<std::string, board_map::kWordsPerGame>& gameWords,
                        const std::string& pictureFolder, bool capitals, WorksheetTexts texts)
{
    Worksheet sheet{std::move(texts), {}};
    for (const std::string& gameWord : gameWords)
        if (!gameWord.empty())
            sheet.rows.push_back(
                {picturePathFor(pictureFolder, gameWord), Recase(AnagramKey(gameWord), capitals), Recase(wordStem(gameWord), capitals)});
    return sheet;
}

QPageSize::PageSizeId paperOfSize(int widthMillimetres, int heightMillimetres)
{
    return widthMillimetres == 216 && heightMillimetres == 279 ? QPageSize::Letter : QPageSize::A4;
}

QPageSize localPaper()
{
#if defined(__GLIBC__)
    // Qt tells the measurement system but not the paper, and sets up only
    // some of the locale's categories: glibc's paper of the environment's
    // LC_PAPER is asked for directly, as numbers in the pointer's place.
    if (const locale_t paper = newlocale(LC_PAPER_MASK, "", nullptr)) {
        union {
            const char* string;
            unsigned word;
        } width{}, height{};
        width.string = nl_langinfo_l(_NL_PAPER_WIDTH, paper);
        height.string = nl_langinfo_l(_NL_PAPER_HEIGHT, paper);
        freelocale(paper);
        return QPageSize(paperOfSize(static_cast<int>(width.word), static_cast<int>(height.word)));
    }
#endif
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                         : QPageSize::A4);
}

QImage worksheetPicture(const std::string& path, int longerSide)
{
    DecodeSettings settings;
    settings.numOfColors = TNumOfColors::TrueColor;
    settings.autoTransform = true;
    const std::vector<std::uint8_t> bytes = readWholeFileOrRaise(path, path);
    JpegReader reader(bytes, settings);
    // The longer side is what must be large enough, whichever way the picture
    // lies.
    const JpegSize stored = reader.size();
    const bool wide = (stored.width >= stored.height) != swapsSides(reader.orientation());
    reader.setFrame(wide ? longerSide : 1, wide ? 1 : longerSide);
    QImage picture = toBitmap(reader.read());
    if (picture.isNull())
        throw EJPEGException("Empty picture");
    return picture;
}

namespace {

// Lengths in the device's own units.
class Page {
public:
    explicit Page(QPagedPaintDevice& device)
        : dotsPerMillimetre_(device.logicalDpiY() / 25.4), width_(device.width()), height_(device.height())
    {
    }
    double mm(double millimetres) const { return millimetres * dotsPerMillimetre_; }
    double width() const { return width_; }
    double height() const { return height_; }

private:
    double dotsPerMillimetre_;
    double width_;
    double height_;
};

QFont sheetFont(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The tile's font: bold, every letter as wide as the next.
QFont letterFont(double points)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Draws the text left-aligned in the box, shrunk when it would not fit.
void drawFitted(QPainter& painter, const QRectF& box, const QString& text, QFont font)
{
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (width > box.width() && width > 0)
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * box.width() / width));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Proportions kept, smoothly scaled; a picture that cannot be decoded gets
// an empty frame with its word's first letter, as the game's hint gives it.
void drawPicture(QPainter& painter, const Page& page, const QRectF& frame, const WorksheetRow& row)
{
    // Enough pixels for 300 dots an inch, whatever the device.
    const double dotsPerFrameMillimetre = 300 / 25.4 / page.mm(1);
    const QSize pixels(qRound(frame.width() * dotsPerFrameMillimetre), qRound(frame.height() * dotsPerFrameMillimetre));
    QImage picture;
    try {
        picture = worksheetPicture(row.picturePath, std::max(pixels.width(), pixels.height()));
    } catch (const Exception& failure) {
        qCDebug(lcWorksheet) << "No picture for" << QString::fromStdString(row.word) << ":" << terminalSafe(failure.what()).c_str();
    } catch (const std::bad_alloc&) {
        qCDebug(lcWorksheet) << "No memory for the picture of" << QString::fromStdString(row.word);
    }
    if (picture.isNull()) {
        painter.setPen(QPen(Qt::gray, page.mm(0.3)));
        painter.drawRect(frame);
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(28, true));
        painter.drawText(frame, Qt::AlignCenter, QString::fromStdString(std::string(utf8FirstCharacter(row.word))));
        return;
    }
    const QImage scaled = picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QSizeF size = scaled.size();
    size.scale(frame.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(frame.center());
    painter.drawImage(target, scaled);
}

// One box a letter; a blank in the word is a gap, as the slot shows it.
void drawBoxes(QPainter& painter, const Page& page, const QRectF& space, const std::string& word)
{
    const std::vector<Utf8Character> letters = utf8Characters(word);
    if (letters.empty())
        return;
    const double side = std::min({page.mm(10), space.height() * 0.6, space.width() / static_cast<double>(letters.size())});
    painter.setPen(QPen(Qt::black, page.mm(0.3)));
    painter.setBrush(Qt::NoBrush);
    double left = space.left();
    const double top = space.center().y() - side / 2;
    for (const Utf8Character& letter : letters) {
        if (letter.bytes != " ")
            painter.drawRect(QRectF(left, top, side, side).adjusted(side * 0.05, 0, -side * 0.05, 0));
        left += side;
    }
}

double drawHeading(QPainter& painter, const Page& page, const QString& text)
{
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(18, true));
    const QRectF line(0, 0, page.width(), page.mm(12));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
    return line.bottom();
}

void paintChildsPage(QPainter& painter, const Page& page, const Worksheet& sheet)
{
    double top = drawHeading(painter, page, sheet.texts.title);
    const QFont nameFont = sheetFont(12, false);
    painter.setFont(nameFont);
    const QRectF nameLine(0, top, page.width(), page.mm(12));
    const double labelWidth = QFontMetricsF(nameFont, painter.device()).horizontalAdvance(sheet.texts.name);
    painter.drawText(nameLine, Qt::AlignLeft | Qt::AlignVCenter, sheet.texts.name);
    painter.setPen(QPen(Qt::black, page.mm(0.2)));
    const double baseline = nameLine.center().y() + page.mm(2);
    painter.drawLine(QPointF(labelWidth + page.mm(2), baseline), QPointF(page.width() * 0.7, baseline));
    top = nameLine.bottom() + page.mm(4);

    const double rowHeight = (page.height() - top) / board_map::kWordsPerGame;
    const double gap = page.mm(3);
    const double numberWidth = page.mm(9);
    const double pictureWidth = std::min(page.mm(40), rowHeight * 1.4);
    const double lettersWidth = page.mm(55);
    int number = 0;
    for (const WorksheetRow& row : sheet.rows) {
        const QRectF band(0, top + rowHeight * number++, page.width(), rowHeight);
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(12, true));
        painter.drawText(QRectF(band.left(), band.top(), numberWidth, band.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1.").arg(number));
        const QRectF frame(numberWidth, band.top() + gap / 2, pictureWidth, band.height() - gap);
        drawPicture(painter, page, frame, row);
        const QRectF letters(frame.right() + gap, band.top(), lettersWidth, band.height());
        painter.setPen(Qt::black);
        drawFitted(painter, letters, QString::fromStdString(row.letters), letterFont(14));
        drawBoxes(painter, page, QRectF(letters.right() + gap, band.top(), page.width() - letters.right() - gap, band.height()),
                  row.word);
    }
}

void paintTeachersPage(QPainter& painter, const Page& page, const Worksheet& sheet)
{
    double top = drawHeading(painter, page, sheet.texts.answers);
    painter.setFont(sheetFont(12, false));
    painter.drawText(QRectF(0, top, page.width(), page.mm(8)), Qt::AlignLeft | Qt::AlignVCenter, sheet.texts.title);
    top += page.mm(14);
    const double rowHeight = page.mm(12);
    const double column = page.width() / 2;
    int number = 0;
    for (const WorksheetRow& row : sheet.rows) {
        const QRectF band(0, top + rowHeight * number++, page.width(), rowHeight);
        painter.setFont(sheetFont(12, true));
        painter.drawText(QRectF(0, band.top(), page.mm(9), band.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1.").arg(number));
        drawFitted(painter, QRectF(page.mm(9), band.top(), column - page.mm(12), band.height()),
                   QString::fromStdString(row.letters), letterFont(12));
        drawFitted(painter, QRectF(column, band.top(), column, band.height()), QString::fromStdString(row.word), letterFont(14));
    }
}

}  // namespace

void paintWorksheet(const Worksheet& sheet, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw Exception("The worksheet cannot be printed");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const Page page(device);
    paintChildsPage(painter, page, sheet);
    if (!device.newPage())
        throw Exception("The worksheet's second page cannot be printed");
    paintTeachersPage(painter, page, sheet);
    if (!painter.end())
        throw Exception("The worksheet cannot be printed");
}

}  // namespace brindolo
