#pragma once

#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// Controls the program needs that Qt lacks as such.
namespace platform {

// An edit that turns Latin letters into capitals, as typed and for text the
// program puts there.
class UpperCaseEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit UpperCaseEdit(QWidget* parent = nullptr);
    void setText(const QString& text);
    static QString ToUpperLatin(const QString& text);
};

// Shows every character of the edit as "*" (on) or plainly (off).
void SetPasswordChar(QLineEdit* edit, bool masked);

// Something a list of names with attached integer IDs can be loaded into.
class IdNameList {
public:
    virtual ~IdNameList() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const QString& name, int id) = 0;
};

// A combo box whose items carry an integer ID. Editable or a drop-down list.
class IdComboBox : public QComboBox, public IdNameList {
    Q_OBJECT
public:
    explicit IdComboBox(QWidget* parent = nullptr);
    void ClearItems() override;
    void AddItem(const QString& name, int id) override;
    int IdAt(int index) const;
    // The ID of the selected item; raises ListIndexError when none is selected.
    int SelectedId() const;
    // Selects the item carrying the ID; returns false (and selects nothing) if none does.
    bool SelectId(int id);
};

// A list box whose items carry an integer ID; one item can be selected.
class IdListBox : public QListWidget, public IdNameList {
    Q_OBJECT
public:
    explicit IdListBox(QWidget* parent = nullptr);
    void ClearItems() override;
    void AddItem(const QString& name, int id) override;
    int IdAt(int index) const;
    bool IsSelected(int index) const;
};

// A date picker that shows only the date, in the short date format, with a
// drop-down calendar (also opened with F4 or Alt+Down), but keeps the date-time
// it was given. Tab leaves the picker like any other field; the arrow keys move
// between year, month and day.
class DatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};

// A field the user reads but cannot change: disabled, but in the normal text
// colour so that it stays easy to read.
void MakeDisplayOnly(QLineEdit* edit);

// Sets the keyboard focus order of the widgets, first to last.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// A caption label for a field: the label becomes the field's buddy, so the field
// carries the caption as its accessible name.
QLabel* CaptionFor(QWidget* field, const QString& caption, QWidget* parent = nullptr);

} // namespace platform
