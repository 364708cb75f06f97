#pragma once

#include <QString>

#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qb::ui {

// Every control of the program's windows is made here, the same way everywhere. The names are
// the object names the tests find them by.

// Never a default button: Enter must not press whichever button happens to have the focus.
QPushButton* button(QWidget* parent, const QString& text, const QString& name);
// For the plain dialogs that follow the desktop's rule on purpose (the column dialogs, the Mode
// Selection): Enter presses the button that has the focus, else the first of them, OK.
QPushButton* dialogButton(QWidget* parent, const QString& text, const QString& name);
QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name);
// Its text is the logic's to set.
QRadioButton* radioButton(QWidget* parent, const QString& name);
// As wide as `contentLength` characters, whatever it holds.
QComboBox* dropDown(QWidget* parent, const QString& name, int contentLength = 4);
// As wide as its entries when it is first shown, and no narrower than `contentLength`.
QComboBox* fittedDropDown(QWidget* parent, const QString& name, int contentLength = 0);
QListWidget* listBox(QWidget* parent, const QString& name);
QLineEdit* editBox(QWidget* parent, const QString& name, int maxLength = 32767);
// Digits only, at most `digits` of them.
QLineEdit* numberBox(QWidget* parent, const QString& name, int digits);
// A number box no wider than its digits.
QLineEdit* digitsBox(QWidget* parent, const QString& name, int digits);

// A caption, its control, and the rest of the row empty.
QHBoxLayout* labelledRow(QWidget* parent, const QString& caption, QWidget* field);
// The buttons that end a window, at its right.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

} // namespace qb::ui
