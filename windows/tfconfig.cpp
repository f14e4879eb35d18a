// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tfconfig.h"

#include "core/settings.h"
#include "core/utf8text.h"
#include "core/zones.h"
#include "widgets/accessibility.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/spinbutton.h"
#include "widgets/widgetstyle.h"
#include "windows/configform.h"
#include "windows/placepopup.h"
#include "windows/windowaccessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QShowEvent>
#include <QTimeZone>
#include <QValidator>

#include <algorithm>

namespace selvane {

namespace {

constexpr int kTextPixels = 11; // 8 point
constexpr int kMarkPixels = 12; // 9 point: the unit marks
const QColor kSilver(192, 192, 192);
// The place note: on the dark of the artwork's panel headings, in the entry colour, at most
// 10 pixels high and smaller for a longer translation, down to 8.
constexpr int kNotePixels = 10;
constexpr int kSmallestNotePixels = 8;
const QColor kNoteGround(52, 61, 82);

const char* const kNorth = "North";
const char* const kSouth = "South";
const char* const kWest = "West";
const char* const kEast = "East";

// Where each control lies, in window pixels. The place note lies under txtLocation, across the
// Observer panel's foot and the gap below it, above the Calendar panel's edge (y 158).
constexpr Placement kGeometry[] = {
    {"lblTitle", 88, 6, 109, 27},        {"lblExit", 253, 13, 17, 15},
    {"txtLatDeg", 98, 68, 19, 19},       {"txtLatMin", 129, 68, 19, 19},
    {"txtLatSec", 159, 68, 19, 19},      {"pnlNS", 203, 68, 36, 19},
    {"spinNS", 240, 68, 15, 19},         {"txtLongDeg", 94, 96, 24, 19},
    {"txtLongMin", 129, 96, 19, 19},     {"txtLongSec", 159, 96, 19, 19},
    {"pnlEW", 203, 96, 36, 19},          {"spinEW", 240, 96, 15, 19},
    {"txtLocation", 94, 122, 161, 19},   {"cmbDayOrder", 94, 180, 161, 21},
    {"cmbDateFormat", 94, 204, 161, 21}, {"cmbZone", 94, 270, 161, 21},
    {"cmbTimeZone", 84, 327, 85, 21},    {"chkDaylightSavings", 241, 332, 13, 13},
    {"placeNote", 16, 142, 252, 16},
};

// Fixed texts on the picture: captions, and the unit marks behind the number fields. A
// caption's room (SetTextRoom) reaches up to its control less a pixel (the English "Time
// Zone:" takes all of it); the marks have none. A caption is the label of the control it stands
// before, for screen readers (Qt reads a list's caption from its label there).
struct FixedText {
    const char* Text; // captions marked for translation in the window's context
    int X, Y;
    int Pixels;
    bool Silver;
    int Room;
    const char* Labels = nullptr; // the control captioned
};
constexpr FixedText kFixedTexts[] = {
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Latitide:"), 30, 68, kTextPixels, false, 67,
     "txtLatDeg"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Longitude:"), 30, 96, kTextPixels, false, 63,
     "txtLongDeg"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Location:"), 30, 125, kTextPixels, false, 63,
     "txtLocation"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Day Order: "), 28, 182, kTextPixels, false, 65,
     "cmbDayOrder"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Date Format:"), 28, 208, kTextPixels, false, 65,
     "cmbDateFormat"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Zone Name:"), 28, 275, kTextPixels, false, 65,
     "cmbZone"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "Time Zone:"), 28, 332, kTextPixels, false, 55,
     "cmbTimeZone"},
    {QT_TRANSLATE_NOOP("selvane::TfConfig", "DST:"), 210, 332, kTextPixels, true, 30,
     "chkDaylightSavings"},
    {"\u00ba", 119, 67, kMarkPixels, false, 0},
    {"'", 150, 67, kMarkPixels, false, 0},
    {"\"", 180, 67, kMarkPixels, false, 0},
    {"\u00ba", 120, 95, kMarkPixels, false, 0},
    {"'", 150, 95, kMarkPixels, false, 0},
    {"\"", 180, 95, kMarkPixels, false, 0},
};

// The direction panels' text, inside their sunken frame.
constexpr int kDirectionRoom = 32;

constexpr int kComputersZoneItem = 1; // cmbZone: after "Fixed offset (below)"
constexpr int kZoneListWidth = 240;

// The number fields in the order of kConfigNumbers (which holds their digits and bounds), and
// their leaving handlers.
struct NumberField {
    QLineEdit* TfConfig::*Field;
    void (TfConfig::*Exit)();
};
constexpr NumberField kNumberFields[] = {
    {&TfConfig::txtLatDeg, &TfConfig::txtLatDegExit},
    {&TfConfig::txtLatMin, &TfConfig::txtLatMinExit},
    {&TfConfig::txtLatSec, &TfConfig::txtLatSecExit},
    {&TfConfig::txtLongDeg, &TfConfig::txtLongDegExit},
    {&TfConfig::txtLongMin, &TfConfig::txtLongMinExit},
    {&TfConfig::txtLongSec, &TfConfig::txtLongSecExit},
};
static_assert(std::size(kNumberFields) == kConfigNumbers.size());

// Holds a number field to the characters RestrictInput lets through. A typed character it
// swallows changes nothing, and neither does pasted or dropped text holding one; keys that type
// no character (delete, the cursor keys, Tab) keep working.
class RestrictedInput : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (TfConfig::RestrictInput(c).isNull())
                return Invalid;
        return Acceptable;
    }
};

// A stored direction as a panel shows it, and the stored direction a panel's text stands for:
// the panels show the user's words for the four directions and the record keeps the English.
QString ShownDirection(const QString& stored) {
    return DirectionText(stored.toStdString());
}
QString StoredDirection(const QString& shown) {
    for (const char* direction : {kNorth, kSouth, kEast, kWest})
        if (shown == ShownDirection(QLatin1String(direction)))
            return QLatin1String(direction);
    return shown;
}

QLabel* DirectionPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    SetTextRoom(panel, kDirectionRoom);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

// The note under txtLocation, hidden.
QLabel* PlaceNote(QWidget* parent) {
    auto* note =
        new QLabel(TfConfig::tr("Choose a place from the list to set its position"), parent);
    note->setObjectName(QStringLiteral("placeNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setAutoFillBackground(true);
    QPalette colours = note->palette();
    colours.setColor(QPalette::Window, kNoteGround);
    colours.setColor(QPalette::WindowText, kEntryColour);
    note->setPalette(colours);
    note->hide();
    return note;
}

// A placed label's text on one line in `pixels`, or smaller when it is too long for its width
// (a translation), down to `smallest`.
void FitOnOneLine(QLabel* label, int pixels, int smallest) {
    constexpr int kMargin = 2;
    QFont font = ArialPixels(pixels);
    while (font.pixelSize() > smallest &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width() - kMargin)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace

TfConfig::TfConfig(Settings& record, SettingsStore& store, QWidget* mainWindow)
    : BorderlessWindow(mainWindow, QStringLiteral("TfConfig"), QStringLiteral(":/config.png"))
    , lblTitle(addHotSpot("lblTitle", {}))
    , lblExit(addHotSpot("lblExit", {}))
    , txtLatDeg(new QLineEdit(this))
    , txtLatMin(new QLineEdit(this))
    , txtLatSec(new QLineEdit(this))
    , pnlNS(DirectionPanel(this))
    , spinNS(new SpinButton(this))
    , txtLongDeg(new QLineEdit(this))
    , txtLongMin(new QLineEdit(this))
    , txtLongSec(new QLineEdit(this))
    , pnlEW(DirectionPanel(this))
    , spinEW(new SpinButton(this))
    , txtLocation(new QLineEdit(this))
    , cmbDayOrder(new QComboBox(this))
    , cmbDateFormat(new QComboBox(this))
    , cmbZone(new QComboBox(this))
    , cmbTimeZone(new QComboBox(this))
    , chkDaylightSavings(new QCheckBox(this))
    , m_record(record)
    , m_store(store) {
    InstallWindowsAccessibility();
    ForgetAccessibleInterface(this); // one made while the base class was built
    showMessage = [this](const QString& text) {
        ShowMessageBox(text);
    };
    now = [] {
        return QDateTime::currentDateTimeUtc();
    };
    FormCreate();
}

TfConfig::~TfConfig() {
    // Hiding the window as it is destroyed moves the focus; by then this is no TfConfig.
    disconnect(qApp, &QApplication::focusChanged, this, &TfConfig::FocusChanged);
}

void TfConfig::FormCreate() {
    setFont(ArialPixels(kTextPixels));
    const std::pair<QWidget*, const char*> names[] = {
        {txtLatDeg, "txtLatDeg"},
        {txtLatMin, "txtLatMin"},
        {txtLatSec, "txtLatSec"},
        {pnlNS, "pnlNS"},
        {spinNS, "spinNS"},
        {txtLongDeg, "txtLongDeg"},
        {txtLongMin, "txtLongMin"},
        {txtLongSec, "txtLongSec"},
        {pnlEW, "pnlEW"},
        {spinEW, "spinEW"},
        {txtLocation, "txtLocation"},
        {cmbDayOrder, "cmbDayOrder"},
        {cmbDateFormat, "cmbDateFormat"},
        {cmbZone, "cmbZone"},
        {cmbTimeZone, "cmbTimeZone"},
        {chkDaylightSavings, "chkDaylightSavings"},
    };
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    m_placeNote = PlaceNote(this);
    PlaceControls(this, kGeometry);
    FitOnOneLine(m_placeNote, kNotePixels, kSmallestNotePixels);

    for (const FixedText& t : kFixedTexts) {
        auto* label = new QLabel(t.Room > 0 ? tr(t.Text) : QString::fromUtf8(t.Text), this);
        if (t.Room > 0)
            SetTextRoom(label, t.Room);
        label->setFont(ArialPixels(t.Pixels));
        SetTextColour(label, t.Silver ? kSilver : QColor(Qt::black));
        label->adjustSize();
        label->move(t.X, t.Y);
        label->lower(); // under the controls they stand beside
        if (t.Labels)
            label->setBuddy(findChild<QWidget*>(QString::fromLatin1(t.Labels)));
    }

    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i) {
        QLineEdit* field = this->*kNumberFields[i].Field;
        field->setMaxLength(kConfigNumbers[i].Digits);
        field->setValidator(new RestrictedInput(field));
    }
    txtLocation->setMaxLength(kLocationLength);
    m_placePopup = new PlacePopup(txtLocation, font(), this);

    FillLists();
    ColourControls();

    // The direction panels hold their place in the order but take no focus themselves.
    QWidget* const order[] = {cmbDayOrder, cmbDateFormat, txtLatDeg,   txtLatMin,
                              txtLatSec,   txtLongDeg,    txtLongMin,  txtLongSec,
                              txtLocation, pnlNS,         spinNS,      pnlEW,
                              spinEW,      cmbZone,       cmbTimeZone, chkDaylightSavings};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    NameControls();
    ConnectControls();
}

void TfConfig::NameControls() {
    setAccessibleName(tr("Configuration"));
    const std::pair<QWidget*, QString> names[] = {
        {lblExit, tr("Close")},
        {txtLatDeg, tr("Latitude degrees")},
        {txtLatMin, tr("Latitude minutes")},
        {txtLatSec, tr("Latitude seconds")},
        {spinNS, tr("Latitude direction")},
        {txtLongDeg, tr("Longitude degrees")},
        {txtLongMin, tr("Longitude minutes")},
        {txtLongSec, tr("Longitude seconds")},
        {spinEW, tr("Longitude direction")},
        {txtLocation, tr("Location")},
        {cmbDayOrder, tr("Day Order")},
        {cmbDateFormat, tr("Date Format")},
        {cmbZone, tr("Zone Name")},
        {cmbTimeZone, tr("Time Zone")},
        {chkDaylightSavings, tr("Daylight saving time")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    // The direction panels read with what they show ("Latitude direction North"), and so do
    // their spin buttons, whose arrows switch it.
    SetValueCaption(pnlNS, tr("Latitude direction"));
    SetValueCaption(pnlEW, tr("Longitude direction"));
    spinNS->setValueLabel(pnlNS);
    spinEW->setValueLabel(pnlEW);
    spinNS->setAccessibleDescription(tr("Up or Down switches between North and South"));
    spinEW->setAccessibleDescription(tr("Up or Down switches between East and West"));
    txtLocation->setAccessibleDescription(
        tr("Type two or more letters of a place's name to choose it from a list"));
    cmbZone->setAccessibleDescription(tr("A named zone leaves Time Zone and daylight saving "
                                         "to the zone's own rules"));
}

void TfConfig::FillLists() {
    for (const char* item : kDayOrders)
        cmbDayOrder->addItem(tr(item));
    for (const char* item : kDateLayouts)
        cmbDateFormat->addItem(tr(item));
    for (int i = 0; i < kFixedZoneCount; ++i)
        cmbTimeZone->addItem(FixedZoneText(i));
    // Each item holds the zone id it stands for.
    const QString computers = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    cmbZone->addItem(tr("Fixed offset (below)"), QString());
    cmbZone->addItem(tr("This computer's zone (%1)").arg(computers), computers);
    // Every name the system's zone database knows; another name of a zone shows the zone it
    // stands for: "Asia/Calcutta (Asia/Kolkata)".
    for (const ZoneId& zone : SystemZoneIds()) {
        const QString id = QString::fromUtf8(zone.Id);
        cmbZone->addItem(
            zone.isLink() ? QStringLiteral("%1 (%2)").arg(id, QString::fromUtf8(zone.Zone)) : id,
            id);
    }
    // Typing part of a name ("kolk") offers the zones that contain it.
    cmbZone->setEditable(true);
    cmbZone->setInsertPolicy(QComboBox::NoInsert);
    cmbZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cmbZone->completer()->setFilterMode(Qt::MatchContains);
    cmbZone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    auto* listStyle = new NarrowListStyle;
    listStyle->setParent(this);
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        list->setStyle(listStyle);
    // Room for the longest names, a link's with its zone, in the list and in what typing
    // offers.
    QAbstractItemView* zones = cmbZone->view();
    const int widest = zones->sizeHintForColumn(0) +
                       2 * zones->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                       zones->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (QAbstractItemView* shown : {zones, cmbZone->completer()->popup()})
        shown->setMinimumWidth(std::max(kZoneListWidth, widest));
}

void TfConfig::ColourControls() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txtLatDeg, txtLatMin, txtLatSec, txtLongDeg, txtLongMin, txtLongSec, pnlNS, pnlEW,
             txtLocation, cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        SetEntryColours(w);
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        SetEntryColours(list->view()); // the opened list too
    QPalette box = chkDaylightSavings->palette();
    box.setColor(QPalette::Disabled, QPalette::Base, kDisabledEntryColour);
    chkDaylightSavings->setPalette(box);
}

void TfConfig::ConnectControls() {
    dragBy(lblTitle);
    connect(lblExit, &HotSpotLabel::clicked, this, &TfConfig::lblExitClick);
    connect(spinNS, &SpinButton::upClicked, this, &TfConfig::spinNSUpClick);
    connect(spinNS, &SpinButton::downClicked, this, &TfConfig::spinNSDownClick);
    connect(spinEW, &SpinButton::upClicked, this, &TfConfig::spinEWUpClick);
    connect(spinEW, &SpinButton::downClicked, this, &TfConfig::spinEWDownClick);
    connect(qApp, &QApplication::focusChanged, this, &TfConfig::FocusChanged);
    connect(cmbZone, &QComboBox::currentIndexChanged, this, &TfConfig::cmbZoneChange);
    connect(txtLocation, &QLineEdit::textEdited, this, &TfConfig::txtLocationChange);
    for (const NumberField& n : kNumberFields)
        connect(this->*n.Field, &QLineEdit::textChanged, this, &TfConfig::UpdatePlaceNote);
    connect(m_placePopup, &PlacePopup::taken, this, &TfConfig::TakePlace);
    connect(m_placePopup, &PlacePopup::listShown, this, &TfConfig::UpdatePlaceNote);
    // The fixed zone's choice, kept while a named zone greys the controls out.
    connect(cmbTimeZone, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (cmbTimeZone->isEnabled() && index >= 0)
            m_fixedZone = index;
    });
    connect(chkDaylightSavings, &QCheckBox::toggled, this, [this](bool ticked) {
        if (chkDaylightSavings->isEnabled())
            m_fixedDaylight = ticked;
    });
    // A typed name that matches no zone gives way to the zone chosen before.
    connect(cmbZone->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        int found = cmbZone->findText(cmbZone->currentText(), Qt::MatchFixedString);
        if (found < 0)
            found = ZoneItemOf(cmbZone->currentText());
        if (found >= 0)
            cmbZone->setCurrentIndex(found);
        else
            cmbZone->setEditText(cmbZone->itemText(cmbZone->currentIndex()));
    });
}

void TfConfig::cmbZoneChange() {
    // While the controls are enabled, what they show is the fixed zone (see ConnectControls).
    // An unknown name leaves the clock on the fixed offset, as the main window takes it.
    const int item = cmbZone->currentIndex();
    if (item <= 0 || item == m_unknownZoneItem) {
        cmbTimeZone->removeItem(kFixedZoneCount); // a named zone's odd offset, if shown
        cmbTimeZone->setCurrentIndex(m_fixedZone);
        chkDaylightSavings->setChecked(m_fixedDaylight);
        cmbTimeZone->setEnabled(true);
        chkDaylightSavings->setEnabled(true);
        return;
    }
    cmbTimeZone->setEnabled(false);
    chkDaylightSavings->setEnabled(false);
    // The named zone as the fixed controls would give it. An offset the list lacks (+05:30,
    // +14:00) is shown as an extra item while the zone is chosen.
    const FixedZoneView view = FixedZoneViewOf(NamedZone(ZoneIdOf(item).toStdString()), now());
    if (view.Index < kFixedZoneCount) {
        cmbTimeZone->removeItem(kFixedZoneCount);
        cmbTimeZone->setCurrentIndex(view.Index);
    } else {
        if (cmbTimeZone->count() == kFixedZoneCount)
            cmbTimeZone->addItem(view.Text);
        else
            cmbTimeZone->setItemText(kFixedZoneCount, view.Text);
        cmbTimeZone->setCurrentIndex(kFixedZoneCount);
    }
    chkDaylightSavings->setChecked(view.DaylightSavings);
}

void TfConfig::txtLocationChange(const QString& text) {
    // What the user types or pastes stays on one line: line breaks and tabs become spaces.
    const QString line = OneLineText(text);
    if (line != text) {
        const int cursor =
            txtLocation->cursorPosition() - static_cast<int>(text.size() - line.size());
        txtLocation->setText(line);
        txtLocation->setCursorPosition(cursor);
    }
    m_placePopup->Offer(line);
    m_typedPlace = m_placePopup->namesPlace() && FoldForSearch(line) != FoldForSearch(m_keptText);
    UpdatePlaceNote();
}

QStringList TfConfig::Position() const {
    QStringList position;
    for (const NumberField& n : kNumberFields)
        position << (this->*n.Field)->text();
    return position << pnlNS->text() << pnlEW->text();
}

void TfConfig::KeepPlace() {
    m_keptText = txtLocation->text();
    m_keptPosition = Position();
    m_typedPlace = false;
    UpdatePlaceNote();
}

void TfConfig::UpdatePlaceNote() {
    // The open list, which the note would peek out from under, asks for a choice itself.
    m_placeNote->setVisible(m_typedPlace && !m_placePopup->list()->isVisible() &&
                            Position() == m_keptPosition);
}

void TfConfig::TakePlace(const Place& place) {
    const LocationAngle lat = DegreesToDms(place.Latitude, true);
    const LocationAngle lon = DegreesToDms(-place.Longitude, false); // stored west positive
    txtLatDeg->setText(FromUtf8(lat.Degrees));
    txtLatMin->setText(FromUtf8(lat.Minutes));
    txtLatSec->setText(FromUtf8(lat.Seconds));
    pnlNS->setText(ShownDirection(FromUtf8(lat.Direction)));
    txtLongDeg->setText(FromUtf8(lon.Degrees));
    txtLongMin->setText(FromUtf8(lon.Minutes));
    txtLongSec->setText(FromUtf8(lon.Seconds));
    pnlEW->setText(ShownDirection(FromUtf8(lon.Direction)));
    txtLocation->setText(PlaceLocation(place));
    txtLocation->setCursorPosition(0); // a long name shows its beginning
    const int zone = ZoneItemOf(place.Zone);
    if (zone > kComputersZoneItem)
        cmbZone->setCurrentIndex(zone);
    KeepPlace();
}

QString TfConfig::ZoneIdOf(int item) const {
    return item <= 0 ? QString() : cmbZone->itemData(item).toString();
}

int TfConfig::ZoneItemOf(const QString& name) const {
    for (int item = kComputersZoneItem + 1; item < cmbZone->count(); ++item)
        if (item != m_unknownZoneItem &&
            (ZoneIdOf(item).compare(name, Qt::CaseInsensitive) == 0 ||
             cmbZone->itemText(item).compare(name, Qt::CaseInsensitive) == 0))
            return item;
    return -1;
}

void TfConfig::FormShow() {
    centreOnMainWindow();
}

void TfConfig::FormActivate() {
    ShowForm(FormOf(m_record));
}

void TfConfig::ShowForm(const ConfigForm& form) {
    m_typedPlace = false; // no note while the controls fill
    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i) {
        QLineEdit* field = this->*kNumberFields[i].Field;
        const QString& shown = form.Numbers[i];
        field->setMaxLength(
            std::max<int>(kConfigNumbers[i].Digits, static_cast<int>(shown.size())));
        field->setText(shown);
    }
    pnlNS->setText(ShownDirection(form.LatDirection));
    pnlEW->setText(ShownDirection(form.LongDirection));
    txtLocation->setText(form.Location);
    txtLocation->setCursorPosition(0); // a long name shows its beginning
    cmbDayOrder->setCurrentIndex(form.DayOrder);
    cmbDateFormat->setCurrentIndex(form.DateLayout);
    m_fixedZone = form.FixedZone;
    m_fixedDaylight = form.FixedDaylight;
    // A stored name is found without regard to case; one the system does not know stays
    // chosen, under its own item, until another zone is picked.
    if (m_unknownZoneItem >= 0)
        cmbZone->removeItem(m_unknownZoneItem);
    m_unknownZoneItem = -1;
    const QString& name = form.ZoneName;
    int zone = name.isEmpty() ? 0 : ZoneItemOf(name);
    if (!name.isEmpty() && zone <= kComputersZoneItem) {
        zone = m_unknownZoneItem = kComputersZoneItem + 1;
        cmbZone->insertItem(zone, tr("%1 (unknown here)").arg(name), name);
    }
    cmbZone->setCurrentIndex(zone);
    cmbZoneChange();
    KeepPlace();
}

ConfigForm TfConfig::EnteredForm() const {
    ConfigForm form;
    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i)
        form.Numbers[i] = (this->*kNumberFields[i].Field)->text();
    form.LatDirection = StoredDirection(pnlNS->text());
    form.LongDirection = StoredDirection(pnlEW->text());
    form.Location = txtLocation->text();
    form.DayOrder = cmbDayOrder->currentIndex();
    form.DateLayout = cmbDateFormat->currentIndex();
    form.FixedZone = m_fixedZone;
    form.FixedDaylight = m_fixedDaylight;
    form.ZoneName = ZoneIdOf(cmbZone->currentIndex());
    return form;
}

void TfConfig::showEvent(QShowEvent* event) {
    // A window restored by the window system keeps its place and what the user typed.
    if (!event->spontaneous()) {
        m_saved = false;
        FormShow();
        FormActivate();
        m_opening = true; // the focus the window opens with leaves no field
        cmbDayOrder->setFocus();
        m_opening = false;
    }
    BorderlessWindow::showEvent(event);
}

QChar TfConfig::RestrictInput(QChar key) {
    constexpr char16_t kBackspace = 8;
    return (key >= u'0' && key <= u'9') || key == QChar(kBackspace) ? key : QChar();
}

bool TfConfig::ValidateInput(QLineEdit* field, const QString& bound) {
    if (field->text().toInt() <= bound.toInt()) {
        if (m_rangeMessage && m_rangeField == field)
            m_rangeMessage->close(); // corrected
        if (!field->accessibleDescription().isEmpty())
            field->setAccessibleDescription(QString());
        return true;
    }
    const QString message = tr("Valid Range is 0 - %1").arg(bound);
    // The message box leaves the focus in the field, so a screen reader would not read it:
    // the field carries it as its description, read with it as the focus comes back to it,
    // until the number is in range.
    field->setAccessibleDescription(message);
    m_checkedField = field;
    showMessage(message);
    m_checkedField = nullptr;
    activateWindow();
    field->setFocus();
    field->selectAll();
    return false;
}

void TfConfig::ShowMessageBox(const QString& text) {
    if (!m_checkedField) {
        QMessageBox::information(this, QStringLiteral("Selvane"), text);
        return;
    }
    // Shown without taking the keyboard: a modal box would swallow whatever the user types on
    // before noticing it. One range message stands at a time.
    if (m_rangeMessage)
        m_rangeMessage->close();
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Selvane"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    box->setWindowModality(Qt::NonModal);
    box->show();
    m_rangeMessage = box;
    m_rangeField = m_checkedField;
}

void TfConfig::NumberFieldExit(QLineEdit* field) {
    if (field->text().isEmpty())
        field->setText(QStringLiteral("00"));
    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i)
        if (this->*kNumberFields[i].Field == field)
            ValidateInput(field, QString::fromLatin1(kConfigNumbers[i].Bound));
}

void TfConfig::txtLatDegExit() {
    NumberFieldExit(txtLatDeg);
}
void TfConfig::txtLatMinExit() {
    NumberFieldExit(txtLatMin);
}
void TfConfig::txtLatSecExit() {
    NumberFieldExit(txtLatSec);
}
void TfConfig::txtLongDegExit() {
    NumberFieldExit(txtLongDeg);
}
void TfConfig::txtLongMinExit() {
    NumberFieldExit(txtLongMin);
}
void TfConfig::txtLongSecExit() {
    NumberFieldExit(txtLongSec);
}

void TfConfig::FocusChanged(QWidget* old, QWidget* now) {
    if (m_opening || !isVisible() || !now || now->window() != this)
        return;
    for (const NumberField& n : kNumberFields)
        if (old == this->*n.Field)
            (this->*n.Exit)();
}

void TfConfig::spinNSUpClick() {
    const bool north = StoredDirection(pnlNS->text()) == QLatin1String(kNorth);
    pnlNS->setText(ShownDirection(QLatin1String(north ? kSouth : kNorth)));
    UpdatePlaceNote();
}
void TfConfig::spinNSDownClick() {
    spinNSUpClick();
}
void TfConfig::spinEWUpClick() {
    const bool west = StoredDirection(pnlEW->text()) == QLatin1String(kWest);
    pnlEW->setText(ShownDirection(QLatin1String(west ? kEast : kWest)));
    UpdatePlaceNote();
}
void TfConfig::spinEWDownClick() {
    spinEWUpClick();
}

void TfConfig::lblExitClick() {
    close();
}

void TfConfig::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_saved = true; // what was entered is dropped: the record and the store stay
        done(Cancelled);
        return;
    }
    BorderlessWindow::keyPressEvent(event);
}

void TfConfig::done(int result) {
    if (m_rangeMessage)
        m_rangeMessage->close();
    if (!m_saved) {
        m_saved = true;
        FormClose();
    }
    BorderlessWindow::done(result);
}

void TfConfig::FormClose() {
    for (const NumberField& n : kNumberFields)
        if ((this->*n.Field)->text().isEmpty())
            (this->*n.Field)->setText(QStringLiteral("00"));
    const Settings s = RecordOf(EnteredForm(), m_record);

    // The record first: when the store fails, the program goes on with what the user entered.
    m_record = s;
    const QString message =
        SaveMessage(SaveConfiguration(m_store, s), m_store, tr("Error reading Registry"));
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace selvane
