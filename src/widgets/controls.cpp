// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/controls.h"

#include "widgets/event_boundary.h"
#include "widgets/item_height_delegate.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QTimer>
#include <algorithm>

namespace brindolo {

namespace {

// Every hook runs inside the event boundary: a failure ends the hook, never
// the event loop.
template <typename Hook, typename... Args>
void callHook(const Hook& hook, Args&... args)
{
    if (hook)
        EventBoundary::run([&] { hook(args...); });
}

// A check box's indicator as tall as the box's characters (the font's pixel
// size, which the design gave the style's own 13 pixels), within the box:
// the style's indicator keeps its size while the layout scales the text
// with the board, and a child's finger needs the target to grow with it.
class TextHighIndicatorStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (!widget || (metric != PM_IndicatorWidth && metric != PM_IndicatorHeight))
            return QProxyStyle::pixelMetric(metric, option, widget);
        // A font given in pixels, as the design gives them, is that size
        // without loading the font; QFontInfo would load it just to say so.
        const QFont& font = widget->font();
        const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
        return std::min(pixels, widget->height());
    }
};

}  // namespace

bool isActivationKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

TApplication::TApplication() : TComponent(static_cast<QObject&>(*this), nullptr)
{
    setObjectName(QStringLiteral("Application"));
}

QString TApplication::title() const
{
    return EventBoundary::title();
}

void TApplication::setTitle(const QString& title)
{
    EventBoundary::setTitle(title);
}

TForm::TForm(TComponent* owner) : TWidgetControl(owner) {}

void TForm::resizeEvent(QResizeEvent* event)
{
    // Not TWidgetControl's: the window's own hook joins the size change.
    QWidget::resizeEvent(event);
    // The whole size change is one handler: a failure while the panels
    // rescale ends it, is reported, and leaves the window running.
    EventBoundary::run([this] {
        sizeChanged();
        if (OnResize)
            OnResize();
    });
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
    callHook(OnKeyDown, *event);
}

TPanel::TPanel(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    // The panel fills itself with its colour, so nothing under it is
    // painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Mouse moves reach the panel without a button held, as hover needs.
    setMouseTracking(true);
    setParentControl(parent);
    installAccessibleControls();
}

template <typename Value>
bool TPanel::repaintWith(Value& field, const Value& value)
{
    if (field == value)
        return false;
    field = value;
    update();
    return true;
}

void TPanel::setCaption(const QString& caption)
{
    if (repaintWith(caption_, caption))
        announceNameChange(*this);
}

void TPanel::setCaptionAlignment(TCaptionAlignment alignment)
{
    repaintWith(captionAlignment_, alignment);
}

// Painted from the colour itself rather than through the palette: a
// palette change copies and resolves every colour role of the panel and of
// everything inside it, which for the forty panels of the window was a
// measurable part of start-up.
void TPanel::setColor(const QColor& color)
{
    repaintWith(color_, color);
}

QFont TPanel::captionFont() const
{
    QFont fitted = font();
    const int room = alignRect().width();
    const int wide = QFontMetrics(fitted).horizontalAdvance(caption_);
    if (caption_.isEmpty() || wide <= room)
        return fitted;
    // The proportion first, then down by pixels: hinting makes the width
    // grow with the size in steps.
    int pixels = std::max(1, QFontInfo(fitted).pixelSize() * std::max(room, 0) / wide);
    fitted.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(fitted).horizontalAdvance(caption_) > room)
        fitted.setPixelSize(--pixels);
    return fitted;
}

// The raised edge the style draws for a one-pixel panel frame (light above
// and on the left, dark below and on the right), drawn as four filled
// rectangles: the style draws it as lines, which cost the raster engine
// many times more, and the forty panels of the window draw it at every
// first paint.
void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, color_);
    QStyleOption option;
    option.initFrom(this);
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    painter.fillRect(x, y, w - 1, 1, option.palette.light());
    painter.fillRect(x, y + 1, 1, h - 2, option.palette.light());
    painter.fillRect(x, y + h - 1, w, 1, option.palette.dark());
    painter.fillRect(x + w - 1, y, 1, h - 1, option.palette.dark());
    if (caption_.isEmpty())
        return;
    painter.setFont(captionFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const Qt::Alignment across = captionAlignment_ == TCaptionAlignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(alignRect(), int(across | Qt::AlignVCenter | Qt::TextSingleLine), caption_);
}

void TPanel::mousePressEvent(QMouseEvent* event)
{
    // QWidget turns a double click into a second press, so a double click
    // starts a drag as well.
    if (event->button() == Qt::LeftButton && dragMode_ == TDragMode::Automatic) {
        DragController::instance().begin(*this, caption_, event->globalPosition().toPoint(), [this] {
            if (OnClick)
                OnClick();
        });
        return;
    }
    pressed_ = event->button() == Qt::LeftButton;
    callHook(OnMouseDown, *event);
}

void TPanel::mouseMoveEvent(QMouseEvent* event)
{
    callHook(OnMouseMove, *event);
}

void TPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    callHook(OnMouseUp, *event);
    if (click)
        callHook(OnClick);
}

void TPanel::keyPressEvent(QKeyEvent* event)
{
    if (OnClick && isActivationKey(*event)) {
        callHook(OnClick);
        return;
    }
    event->ignore();
    callHook(OnKeyDown, *event);
}

void TPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    // Coming back from a message box is no move of the focus: a hook that
    // failed and reported would otherwise run again at once.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        callHook(OnEnter);
}

TShape::TShape(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setMouseTracking(true);
    setParentControl(parent);
    AccessibleRole = QAccessible::Graphic;
    installAccessibleControls();
}

void TShape::setBrushColor(const QColor& color)
{
    brush_ = color;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(brush_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    callHook(OnMouseDown, *event);
}

void TShape::mouseMoveEvent(QMouseEvent* event)
{
    callHook(OnMouseMove, *event);
}

void TShape::mouseReleaseEvent(QMouseEvent* event)
{
    callHook(OnMouseUp, *event);
}

void TShape::keyPressEvent(QKeyEvent* event)
{
    if (OnClick && isActivationKey(*event))
        callHook(OnClick);
    else
        QWidget::keyPressEvent(event);
}

TCheckBox::TCheckBox(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setParentControl(parent);
    AccessibleRole = QAccessible::CheckBox;
    AccessibleChecked = [this] { return isChecked(); };
    installAccessibleControls();
    auto* style = new TextHighIndicatorStyle;
    style->setParent(this);
    setStyle(style);
    // clicked() comes only from the player, after the state has changed.
    connect(this, &QCheckBox::clicked, this, [this] { callHook(OnClick); });
}

void TCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event) && event->key() != Qt::Key_Space)
        click();
    else
        QCheckBox::keyPressEvent(event);
}

TCustomComboBox::TCustomComboBox(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setInsertPolicy(QComboBox::NoInsert);
    setParentControl(parent);
    // Qt tells of a pick only by a change of the text when the text changes,
    // and by activated() alone when it does not.
    connect(this, &QComboBox::editTextChanged, this, &TCustomComboBox::textChanged);
    connect(this, &QComboBox::activated, this, &TCustomComboBox::picked);
}

QString TCustomComboBox::currentText() const
{
    return isEditable() ? QComboBox::currentText() : text_;
}

void TCustomComboBox::setEditText(const QString& text)
{
    if (isEditable()) {
        QComboBox::setEditText(text);
        return;
    }
    if (text_ == text)
        return;
    text_ = text;
    // As the text field would: a blocked combo box tells no one.
    emit editTextChanged(text_);
}

void TCustomComboBox::showEvent(QShowEvent* event)
{
    if (!isEditable()) {
        const QSignalBlocker quiet(this);
        setEditable(true);
        QComboBox::setEditText(text_);
    }
    TWidgetControl::showEvent(event);
}

void TCustomComboBox::textChanged()
{
    if (!changeNotified_) {
        changeNotified_ = true;
        QTimer::singleShot(0, this, [this] { changeNotified_ = false; });
    }
    callHook(OnChange);
}

void TCustomComboBox::picked(int index)
{
    if (changeNotified_)
        return;
    // The choice is the picked name itself.
    const QString name = itemText(index);
    if (currentText() != name)
        setEditText(name);
    else
        callHook(OnChange);
}

void TCustomComboBox::setItemHeight(int height)
{
    itemHeight_ = height;
    if (listMade_)
        view()->doItemsLayout();
}

QAbstractItemView* TCustomComboBox::view() const
{
    QAbstractItemView* list = QComboBox::view();
    if (!listMade_) {
        auto* self = const_cast<TCustomComboBox*>(this);
        self->listMade_ = true;
        list->setItemDelegate(new ItemHeightDelegate(self, [self] { return self->itemHeight(); }));
        // The list is a window of its own, which takes no font from the
        // drop-down; QComboBox gives it the drop-down's on every change,
        // which until now there was no list to follow.
        list->window()->setFont(font());
    }
    return list;
}

void TCustomComboBox::showPopup()
{
    view();
    QComboBox::showPopup();
}

void TCustomComboBox::changeEvent(QEvent* event)
{
    // QComboBox makes its list to pass it a new font or palette; a list not
    // made yet takes them when it is. Once there is a text field, QComboBox
    // fits it to the change too.
    const bool forList = event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange;
    if (forList && !listMade_ && !lineEdit())
        QWidget::changeEvent(event);
    else
        TWidgetControl::changeEvent(event);
}

QStringList TCustomComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TCustomComboBox::setItems(const QStringList& items)
{
    clearItems();
    for (const QString& item : items)
        appendItem(item);
}

void TCustomComboBox::clearItems()
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    setEditText(text);
}

void TCustomComboBox::appendItem(const QString& item)
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    addItem(item);
    setEditText(text);
}

TComboBox::TComboBox(TComponent* owner, TControl* parent) : TCustomComboBox(owner, parent) {}

TRzComboBox::TRzComboBox(TComponent* owner, TControl* parent) : TCustomComboBox(owner, parent) {}

TMemo::TMemo(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setParentControl(parent);
}

QStringList TMemo::lines() const
{
    if (editor_)
        return editor_->toPlainText().split(QLatin1Char('\n'));
    return lines_.isEmpty() ? QStringList{QString()} : lines_;
}

void TMemo::setLines(const QStringList& lines)
{
    lines_ = lines;
    if (editor_)
        editor_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TMemo::appendLine(const QString& line)
{
    if (!editor_)
        lines_.append(line);
    else if (editor_->document()->isEmpty())
        editor_->setPlainText(line);
    else
        editor_->appendPlainText(line);
}

void TMemo::showEvent(QShowEvent* event)
{
    if (!editor_) {
        editor_ = new QPlainTextEdit(this);
        editor_->setPlainText(lines_.join(QLatin1Char('\n')));
        editor_->setGeometry(rect());
        setFocusProxy(editor_);
        editor_->show();
    }
    TWidgetControl::showEvent(event);
}

void TMemo::resizeEvent(QResizeEvent* event)
{
    if (editor_)
        editor_->setGeometry(rect());
    TWidgetControl::resizeEvent(event);
}

}  // namespace brindolo
