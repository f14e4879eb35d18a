// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The configuration window: the observer's place, the calendar's first weekday, the time
// list's date layout, the time zone and daylight saving. It shows the settings record each
// time it is opened and, closed by its exit label or the window system, writes what the user
// entered to the record and to the store; Escape closes it and stores nothing, so the record
// stays as the window opened with it.

#include "core/places.h"
#include "widgets/borderlesswindow.h"

#include <QPointer>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;

namespace selvane {

class HotSpotLabel;
class PlacePopup;
class SettingsStore;
class SpinButton;
struct ConfigForm;
struct Settings;

class TfConfig : public BorderlessWindow {
    Q_OBJECT

public:
    // `record` is the program-wide settings record (owned by the main window): the window
    // reads it on every show and, on closing, writes it and the store.
    TfConfig(Settings& record, SettingsStore& store, QWidget* mainWindow);
    ~TfConfig() override;

    // The result of a showing that Escape closed: nothing was stored.
    static constexpr int Cancelled = 2;

    HotSpotLabel* lblTitle;
    HotSpotLabel* lblExit;
    QLineEdit* txtLatDeg;
    QLineEdit* txtLatMin;
    QLineEdit* txtLatSec;
    QLabel* pnlNS;
    SpinButton* spinNS;
    QLineEdit* txtLongDeg;
    QLineEdit* txtLongMin;
    QLineEdit* txtLongSec;
    QLabel* pnlEW;
    SpinButton* spinEW;
    QLineEdit* txtLocation;
    QComboBox* cmbDayOrder;
    QComboBox* cmbDateFormat;
    // The zone by name: "Fixed offset (below)", "This computer's zone (...)", a stored name
    // the system does not know as "<name> (unknown here)", then every name the system's zone
    // database knows, another name of a zone with the zone it stands for ("Asia/Calcutta
    // (Asia/Kolkata)"); typing finds one. A known zone leaves the two controls below unused.
    QComboBox* cmbZone;
    QComboBox* cmbTimeZone;
    QCheckBox* chkDaylightSavings;

    // Centres the window on the main window.
    void FormShow();
    // Fills the controls with what FormOf gives for the record (a number longer than its
    // field's digits shows without its extra leading zeros: "051" as "51").
    void FormActivate();

    // The typed character when a number field takes it (a digit or backspace), otherwise
    // the null character: the key is swallowed. Pasted text is held to the same rule.
    static QChar RestrictInput(QChar key);
    // Whether the field's number is at most `bound`; when not, shows "Valid Range is 0 - "
    // with the bound and puts the focus back into the field, its text (as typed) selected.
    // The message leaves the keyboard in this window, so what is typed next replaces the
    // wrong number; it closes when the field is left with a number in range.
    bool ValidateInput(QLineEdit* field, const QString& bound);

    // Leaving a number field: an empty one becomes "00", then its range is checked.
    void txtLatDegExit();
    void txtLatMinExit();
    void txtLatSecExit();
    void txtLongDegExit();
    void txtLongMinExit();
    void txtLongSecExit();

    // Either arrow toggles the direction.
    void spinNSUpClick();
    void spinNSDownClick();
    void spinEWUpClick();
    void spinEWDownClick();

    // A known zone picked by name disables the whole-hour list and the daylight-saving box,
    // which then show, greyed, that zone's standard offset and daylight saving at the present
    // instant; the fixed zone's values are kept and come back with the fixed offset (or with a
    // stored name the system does not know, which leaves the fixed offset in use).
    void cmbZoneChange();
    // The zone id an item of cmbZone stands for; empty for the fixed offset.
    QString ZoneIdOf(int item) const;
    // The item of a zone's name, its id or its text, without regard to case, after the
    // computer's zone; -1 when none has it.
    int ZoneItemOf(const QString& name) const;

    // Typing in txtLocation: the place list beneath the field (PlacePopup) offers the places
    // that match, and the one taken by Enter or a click goes to TakePlace. The text stays as
    // typed, on one line: a line break or a tab typed or pasted becomes a space. A typed text that
    // is a known place's name, other than the text the position came with (the one the window
    // opened with or the last place taken), shows the note "Choose a place from the list to set its
    // position" under the field while the list is closed and the position (the six numbers and both
    // directions) is still the one the text came with: the place is not taken until it is chosen.
    // Taking a place, a text that names none and an edited position remove the note; nothing else
    // changes.
    void txtLocationChange(const QString& text);
    // Fills the position (to the nearest second), both directions and the named zone from a
    // place, and puts into txtLocation what PlaceLocation gives for it (its name, region and
    // country). A zone the system does not know is left as it was.
    void TakePlace(const Place& place);

    void lblExitClick();
    // Saving: empty number fields become "00", the record takes the entered values as
    // RecordOf gives them (cut to the record's lengths; a number field showing what it was
    // filled with keeps the loaded text) and the values go to the store. A store that cannot
    // be opened or written is reported; the record keeps the entered values either way.
    void FormClose();

    // The present instant, for the named zone's offset; tests fix it.
    std::function<QDateTime()> now;

    // Every way of closing (the exit label, Escape, the window system) ends here, and saving
    // runs once per showing, unless Escape closed the window.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape (unless an open list takes it first) closes the window without storing anything.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FillLists();
    void ColourControls();
    // The controls' names and descriptions for screen readers.
    void NameControls();
    void ConnectControls();
    // The controls from a form, and the form the controls hold.
    void ShowForm(const ConfigForm& form);
    ConfigForm EnteredForm() const;
    void NumberFieldExit(QLineEdit* field);
    // The position the controls show: the six numbers, then both directions.
    QStringList Position() const;
    // The text and position shown now go together (the window opened with them, or a place
    // was taken): no typed name is waiting to be chosen.
    void KeepPlace();
    // Shows the place note while a typed name waits, the list is closed and the position is the
    // one kept.
    void UpdatePlaceNote();
    // A number field's exit runs when the focus moves from it to another control of this
    // window, not when the window itself loses the focus (to a message box, say).
    void FocusChanged(QWidget* old, QWidget* now);

    // The default of showMessage: a message box over the window, one that leaves the
    // keyboard where it is while a field is being checked.
    void ShowMessageBox(const QString& text);

    Settings& m_record;
    SettingsStore& m_store;
    PlacePopup* m_placePopup = nullptr; // the places offered beneath txtLocation
    QLabel* m_placeNote = nullptr;      // under txtLocation: a place's name typed, not chosen
    QString m_keptText;                 // txtLocation's text and the Position that go together:
    QStringList m_keptPosition;         // as the window opened, or as a place was taken
    bool m_typedPlace = false;          // txtLocation as typed names a place, not m_keptText
    bool m_saved = true;                // FormClose has run for the present showing
    bool m_opening = false;             // the window is giving the focus to its first control
    // The fixed zone's index and daylight saving, whatever the greyed controls show.
    int m_fixedZone = 12;
    bool m_fixedDaylight = false;
    int m_unknownZoneItem = -1;           // cmbZone's item of a stored name the system lacks
    QLineEdit* m_checkedField = nullptr;  // the field ValidateInput reports on, while it does
    QPointer<QMessageBox> m_rangeMessage; // the range message standing, and its field
    QPointer<QLineEdit> m_rangeField;
};

} // namespace selvane
