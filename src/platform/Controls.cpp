#include "platform/Controls.h"

#include "platform/Conversions.h"
#include "platform/Errors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace platform {

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = ToUpperLatin(text);
        if (upper != text) {
            const int cursor = cursorPosition();
            QLineEdit::setText(upper);
            setCursorPosition(cursor);
        }
    });
}

void UpperCaseEdit::setText(const QString& text) { QLineEdit::setText(ToUpperLatin(text)); }

QString UpperCaseEdit::ToUpperLatin(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

namespace {
// Qt draws password characters from the style; this one draws "*".
class AsteriskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

void SetPasswordChar(QLineEdit* edit, bool masked)
{
    if (masked && !dynamic_cast<AsteriskStyle*>(edit->style())) {
        auto* style = new AsteriskStyle;
        style->setParent(edit);
        edit->setStyle(style);
    }
    edit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

IdComboBox::IdComboBox(QWidget* parent) : QComboBox(parent) {}

void IdComboBox::ClearItems() { clear(); }

void IdComboBox::AddItem(const QString& name, int id) { addItem(name, id); }

int IdComboBox::IdAt(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexError(index);
    return itemData(index).toInt();
}

int IdComboBox::SelectedId() const { return IdAt(currentIndex()); }

bool IdComboBox::SelectId(int id)
{
    const int index = findData(id);
    setCurrentIndex(index);
    return index >= 0;
}

IdListBox::IdListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void IdListBox::ClearItems() { clear(); }

void IdListBox::AddItem(const QString& name, int id)
{
    auto* item = new QListWidgetItem(name, this);
    item->setData(Qt::UserRole, id);
}

int IdListBox::IdAt(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexError(index);
    return item(index)->data(Qt::UserRole).toInt();
}

bool IdListBox::IsSelected(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexError(index);
    return item(index)->isSelected();
}

DatePicker::DatePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QLatin1String(kShortDateFormat));
    setCalendarPopup(true);
    setMinimumDate(QDate(100, 1, 1));
    setDateTime(QDateTime::currentDateTime());
}

void MakeDisplayOnly(QLineEdit* edit)
{
    edit->setEnabled(false);
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    edit->setPalette(palette);
}

void SetTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const bool opensCalendar = event->key() == Qt::Key_F4
                               || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
    if (!opensCalendar) {
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    // Qt opens the calendar only from a press on the drop-down arrow.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPointF at = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
    event->accept();
}

bool DatePicker::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

QLabel* CaptionFor(QWidget* field, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent ? parent : field->parentWidget());
    label->setBuddy(field);
    field->setAccessibleName(caption);
    return label;
}

} // namespace platform

