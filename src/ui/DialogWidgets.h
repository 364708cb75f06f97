#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qb::ui {

// Every control of the program's windows is made here, the same way everywhere. The names are
// the object names the tests find them by.

// Never a default button: Enter must not press whichever button happens to have the focus.
QPushButton* button(QWidget* parent, const QString& text, const QString& name);
// For the plain dialogs that follow the desktop's rule on purpose (the Mode Selection, the batch
// placement): Enter presses the button that has the focus, else the first of them.
QPushButton* dialogButton(QWidget* parent, const QString& text, const QString& name);
QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name);
// Its text is the logic's to set.
QRadioButton* radioButton(QWidget* parent, const QString& name);
// As wide as its longest entry whenever its entries change, and never narrower than
// `contentLength` characters, so that a list filled later does not open as a sliver.
QComboBox* dropDown(QWidget* parent, const QString& name, int contentLength = 4);
QComboBox* fittedDropDown(QWidget* parent, const QString& name, int contentLength = 0);

// Whether choosing the entry a list already shows acts again: where the logic refills what
// depends on the choice (the loops of a board, a zone's stored values), a second click on the
// same entry does that, as it always has.
enum class Rechoice { Ignored, Acts };
// Hands the installer's choice in `combo` to `choose` once, however the entry changed: a click
// in the pop-up, the arrow keys, the wheel, or a screen reader setting the value, which emits no
// `activated`. Mirroring blocks the signals, so the logic's own changes do not come back.
void onChoice(QComboBox* combo, QObject* context, std::function<void(int)> choose,
              Rechoice rechoice = Rechoice::Ignored);

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
