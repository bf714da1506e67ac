// Window, list and message routines on Qt widgets: finding and selecting list items,
// read-only text boxes, window placement, pausing and opening documents.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace vq {

// Index of the item equal to the trimmed text ("psi" and "psf" also match an item
// beginning with them, whichever comes first); -1 when none.
int FindComboItemByText(const QComboBox* combo, const std::string& text);
int FindListItemByText(const QListWidget* list, const std::string& text);
// Index of the first item whose item data equals value; -1 when none.
int FindComboItemByData(const QComboBox* combo, int value);
int FindListItemByData(const QListWidget* list, int value);
// Selects the item FindComboItemByText finds; false (selection unchanged) when none.
bool SelectComboItemByText(QComboBox* combo, const std::string& text);
// The selected state of the item found by text, or by item data when text is empty.
bool IsListItemSelected(const QListWidget* list, int data, const std::string& text);
// -1 selects every item, 0 none, 1 inverts each; other modes change nothing.
void SetListSelection(int mode, QListWidget* list);
// Index of the first checked option button; -1 when none is.
int GetSelectedOptionIndex(const std::vector<QRadioButton*>& options);

// Editable: enabled, window background, writable. Not editable: button-face
// background, read-only, and disabled when disable is true.
void SetTextBoxEditable(QLineEdit* box, bool editable, bool disable);

// Checks the number typed into box (ReadTypedNumber). A refused text beeps, shows the
// message naming boxName, gives the box the focus with its text selected and returns false.
bool CheckNumberBox(QLineEdit* box, const std::string& boxName);
// Refuses what box holds as CheckNumberBox does, with the message given.
void RefuseNumberBox(QLineEdit* box, const std::string& message);

// Centres form over the main window, then moves it back inside the screen.
void CenterFormOnMain(QWidget* form);
// Moves form so that its centre is the owner's centre.
void CenterFormOverOwner(const QWidget* owner, QWidget* form);

// Waits that many seconds (monotonic clock), processing window events.
void Pause(double seconds);

// Opens a file or link with the desktop's default program; with checkExists a
// missing file (not a link) is reported as "Could not find file: " and the name.
bool OpenDocument(const std::string& target, bool isLink, bool checkExists, const std::string& parameters);

// Starts the first desktop calculator found on the search path, or says there is none.
void ShowCalculator();
// True for the dialogs' calculator keys: Ctrl+K, or Ctrl with the keypad's plus key.
bool IsCalculatorKey(const QKeyEvent* event);

} // namespace vq
