#include "windows/tfconfig.h"

#include "core/settings.h"
#include "core/utf8text.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/spinbutton.h"
#include "widgets/widgetstyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QShowEvent>
#include <QStringListModel>
#include <QTimeZone>
#include <QValidator>

#include <algorithm>
#include <cstdlib>

namespace selvane {

namespace {

constexpr int kTextPixels = 11; // 8 point
constexpr int kMarkPixels = 12; // 9 point: the unit marks
const QColor kEntryColour(255, 255, 200);
const QColor kDisabledEntryColour(196, 198, 188);
const QColor kDisabledText(96, 98, 104);
const QColor kSilver(192, 192, 192);

const char* const kNorth = "North";
const char* const kSouth = "South";
const char* const kWest = "West";
const char* const kEast = "East";

// Where each control lies, in window pixels.
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
};

// Fixed texts on the picture: captions, and the unit marks behind the number fields.
struct FixedText {
    const char* Text;
    int X, Y;
    int Pixels;
    bool Silver;
};
constexpr FixedText kFixedTexts[] = {
    {"Latitide:", 30, 68, kTextPixels, false},
    {"Longitude:", 30, 96, kTextPixels, false},
    {"Location:", 30, 125, kTextPixels, false},
    {"Day Order: ", 28, 182, kTextPixels, false},
    {"Date Format:", 28, 208, kTextPixels, false},
    {"Zone Name:", 28, 275, kTextPixels, false},
    {"Time Zone:", 28, 332, kTextPixels, false},
    {"DST:", 210, 332, kTextPixels, true},
    {"\u00ba", 119, 67, kMarkPixels, false},
    {"'", 150, 67, kMarkPixels, false},
    {"\"", 180, 67, kMarkPixels, false},
    {"\u00ba", 120, 95, kMarkPixels, false},
    {"'", 150, 95, kMarkPixels, false},
    {"\"", 180, 95, kMarkPixels, false},
};

const char* const kDayOrders[] = {
    "Sunday - Saturday",    "Monday - Sunday",   "Tuesday - Monday",  "Wednesday - Tuesday",
    "Thursday - Wednesday", "Friday - Thursday", "Saturday - Friday",
};
const char* const kDateFormats[] = {"dd/mm/yyyy", "mm/dd/yyyy"};
constexpr int kComputersZoneItem = 1; // cmbZone: after "Fixed offset (below)"
constexpr int kZoneListWidth = 240;
constexpr int kPlaceRows = static_cast<int>(kPlaceResults); // the place list shows them all

// The number fields: their upper bound (also the end of the range message), their leaving
// handler, how many digits they take and the record's text they show.
struct NumberField {
    QLineEdit* TfConfig::*Field;
    const char* Bound;
    void (TfConfig::*Exit)();
    int MaxLength;
    LocationAngle Settings::*Angle;
    std::string LocationAngle::*Part;
};
constexpr NumberField kNumberFields[] = {
    {&TfConfig::txtLatDeg, "90", &TfConfig::txtLatDegExit, 2, &Settings::Lat,
     &LocationAngle::Degrees},
    {&TfConfig::txtLatMin, "59", &TfConfig::txtLatMinExit, 2, &Settings::Lat,
     &LocationAngle::Minutes},
    {&TfConfig::txtLatSec, "59", &TfConfig::txtLatSecExit, 2, &Settings::Lat,
     &LocationAngle::Seconds},
    {&TfConfig::txtLongDeg, "180", &TfConfig::txtLongDegExit, 3, &Settings::Long,
     &LocationAngle::Degrees},
    {&TfConfig::txtLongMin, "59", &TfConfig::txtLongMinExit, 2, &Settings::Long,
     &LocationAngle::Minutes},
    {&TfConfig::txtLongSec, "59", &TfConfig::txtLongSecExit, 2, &Settings::Long,
     &LocationAngle::Seconds},
};

// A loaded number as a field of `digits` digits shows it: without the leading zeros it has no
// room for ("051" as "51", "000" as "00"); a number that is too long even so shows whole.
QString ShownNumber(const QString& loaded, int digits) {
    QString shown = loaded;
    while (shown.size() > digits && shown.startsWith(QLatin1Char('0')))
        shown.remove(0, 1);
    return shown;
}

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

void Colour(QWidget* w) {
    QPalette p = w->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, kEntryColour);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, Qt::black);
    // Disabled (the fixed zone while a named zone is chosen), a control looks it.
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(QPalette::Disabled, role, kDisabledEntryColour);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, kDisabledText);
    w->setPalette(p);
}

QLabel* DirectionPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

// The lists' drop-down button is as narrow as the spin buttons, so that the 85 pixels of the
// time-zone list show a whole "GMT + 12:00".
class NarrowListStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        constexpr int kButton = 15, kFrame = 2;
        const QRect r = option->rect;
        const QRect button(r.right() - kButton + 1, r.top(), kButton, r.height());
        const QRect field(r.left() + kFrame, r.top() + kFrame, r.width() - kButton - kFrame - 1,
                          r.height() - 2 * kFrame);
        return visualRect(option->direction, r, part == SC_ComboBoxArrow ? button : field);
    }

    // A pick-only list is drawn as a button, which the style shades lighter than the entry
    // colour; its field is painted in the entry colour, as an editable list's is.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control == CC_ComboBox && box && !box->editable)
            painter->fillRect(subControlRect(control, option, SC_ComboBoxEditField, widget),
                              option->palette.brush(QPalette::Base));
    }
};

// Selects `index` when the list has it, otherwise the item reading `text`, otherwise the first.
void Select(QComboBox* list, int index, const QString& text) {
    if (index < 0 || index >= list->count())
        index = std::max(0, list->findText(text));
    list->setCurrentIndex(index);
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
    , m_store(store)
    , m_placeLabels(new QStringListModel(this))
    , m_placeList(new QCompleter(m_placeLabels, this)) {
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
    PlaceControls(this, kGeometry);

    for (const FixedText& t : kFixedTexts) {
        auto* label = new QLabel(QString::fromUtf8(t.Text), this);
        label->setFont(ArialPixels(t.Pixels));
        SetTextColour(label, t.Silver ? kSilver : QColor(Qt::black));
        label->adjustSize();
        label->move(t.X, t.Y);
        label->lower(); // under the controls they stand beside
    }

    for (const NumberField& n : kNumberFields) {
        QLineEdit* field = this->*n.Field;
        field->setMaxLength(n.MaxLength);
        field->setValidator(new RestrictedInput(field));
    }
    txtLocation->setMaxLength(kLocationLength);
    // The completer only shows the list: it is not the field's own, so the field keeps what is
    // typed, and the list holds what the place search found rather than the completer's own
    // filtering of it.
    m_placeList->setObjectName(QStringLiteral("placeList"));
    m_placeList->setWidget(txtLocation);
    m_placeList->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_placeList->setMaxVisibleItems(kPlaceRows);

    for (const char* item : kDayOrders)
        cmbDayOrder->addItem(QString::fromLatin1(item));
    for (const char* item : kDateFormats)
        cmbDateFormat->addItem(QString::fromLatin1(item));
    for (int i = 0; i < kFixedZoneCount; ++i)
        cmbTimeZone->addItem(FixedZoneText(i));
    // Each item holds the zone id it stands for.
    const QString computers = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    cmbZone->addItem(QStringLiteral("Fixed offset (below)"), QString());
    cmbZone->addItem(QStringLiteral("This computer's zone (%1)").arg(computers), computers);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        cmbZone->addItem(QString::fromUtf8(id), QString::fromUtf8(id));
    // Typing part of a name ("kolk") offers the zones that contain it.
    cmbZone->setEditable(true);
    cmbZone->setInsertPolicy(QComboBox::NoInsert);
    cmbZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cmbZone->completer()->setFilterMode(Qt::MatchContains);
    cmbZone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    cmbZone->view()->setMinimumWidth(kZoneListWidth); // room for the longest names
    auto* listStyle = new NarrowListStyle;
    listStyle->setParent(this);
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        list->setStyle(listStyle);

    for (QWidget* w : std::initializer_list<QWidget*>{
             txtLatDeg, txtLatMin, txtLatSec, txtLongDeg, txtLongMin, txtLongSec, pnlNS, pnlEW,
             txtLocation, cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        Colour(w);
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbZone, cmbTimeZone})
        Colour(list->view()); // the opened list too
    Colour(m_placeList->popup());
    m_placeList->popup()->setFont(font()); // a window of its own, which inherits no font
    QPalette box = chkDaylightSavings->palette();
    box.setColor(QPalette::Disabled, QPalette::Base, kDisabledEntryColour);
    chkDaylightSavings->setPalette(box);

    // The direction panels hold their place in the order but take no focus themselves.
    QWidget* const order[] = {cmbDayOrder, cmbDateFormat, txtLatDeg,   txtLatMin,
                              txtLatSec,   txtLongDeg,    txtLongMin,  txtLongSec,
                              txtLocation, pnlNS,         spinNS,      pnlEW,
                              spinEW,      cmbZone,       cmbTimeZone, chkDaylightSavings};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    dragBy(lblTitle);
    connect(lblExit, &HotSpotLabel::clicked, this, &TfConfig::lblExitClick);
    connect(spinNS, &SpinButton::upClicked, this, &TfConfig::spinNSUpClick);
    connect(spinNS, &SpinButton::downClicked, this, &TfConfig::spinNSDownClick);
    connect(spinEW, &SpinButton::upClicked, this, &TfConfig::spinEWUpClick);
    connect(spinEW, &SpinButton::downClicked, this, &TfConfig::spinEWDownClick);
    connect(qApp, &QApplication::focusChanged, this, &TfConfig::FocusChanged);
    connect(cmbZone, &QComboBox::currentIndexChanged, this, &TfConfig::cmbZoneChange);
    connect(txtLocation, &QLineEdit::textEdited, this, &TfConfig::txtLocationChange);
    connect(m_placeList, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& item) {
                const auto row = static_cast<std::size_t>(item.row());
                if (item.isValid() && row < m_offered.size())
                    TakePlace(m_offered[row]);
            });
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
        const int found = cmbZone->findText(cmbZone->currentText(), Qt::MatchFixedString);
        if (found >= 0)
            cmbZone->setCurrentIndex(found);
        else
            cmbZone->setEditText(cmbZone->itemText(cmbZone->currentIndex()));
    });
}

void TfConfig::cmbZoneChange() {
    // While the controls are enabled, what they show is the fixed zone (see FormCreate). An
    // unknown name leaves the clock on the fixed offset, as the main window takes it.
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
    // The named zone as the fixed controls would give it: the standard offset in the list and
    // the hour of daylight saving in the box. An offset the list lacks (+05:30, +14:00) is
    // shown as an extra item while the zone is chosen.
    const QTimeZone zone(ZoneIdOf(item).toUtf8());
    const QDateTime instant = now();
    const int minutes = zone.standardTimeOffset(instant) / 60;
    const int index = minutes / 60 + 12;
    if (minutes % 60 == 0 && index >= 0 && index < kFixedZoneCount) {
        cmbTimeZone->removeItem(kFixedZoneCount);
        cmbTimeZone->setCurrentIndex(index);
    } else {
        const QString text = ZoneOffsetText(minutes);
        if (cmbTimeZone->count() == kFixedZoneCount)
            cmbTimeZone->addItem(text);
        else
            cmbTimeZone->setItemText(kFixedZoneCount, text);
        cmbTimeZone->setCurrentIndex(kFixedZoneCount);
    }
    chkDaylightSavings->setChecked(zone.isDaylightTime(instant));
}

void TfConfig::txtLocationChange(const QString& text) {
    m_offered.clear();
    QStringList labels;
    for (PlaceMatch& found : m_places.Find(text)) {
        labels << PlaceLabel(found); // "Köln (Cologne), ..." when another name matched
        m_offered.push_back(std::move(found.Found));
    }
    m_placeLabels->setStringList(labels);
    QAbstractItemView* list = m_placeList->popup();
    if (m_offered.empty()) {
        list->hide();
        return;
    }
    // Beneath the field, at least as wide as the field and as wide as the longest label.
    const int width =
        std::max(txtLocation->width(), list->sizeHintForColumn(0) + 2 * list->frameWidth());
    m_placeList->complete(QRect(0, 0, width, txtLocation->height()));
    list->setCurrentIndex(m_placeList->completionModel()->index(0, 0)); // Enter takes the best
}

void TfConfig::TakePlace(const Place& place) {
    const LocationAngle lat = DegreesToDms(place.Latitude, true);
    const LocationAngle lon = DegreesToDms(-place.Longitude, false); // stored west positive
    txtLatDeg->setText(FromUtf8(lat.Degrees));
    txtLatMin->setText(FromUtf8(lat.Minutes));
    txtLatSec->setText(FromUtf8(lat.Seconds));
    pnlNS->setText(FromUtf8(lat.Direction));
    txtLongDeg->setText(FromUtf8(lon.Degrees));
    txtLongMin->setText(FromUtf8(lon.Minutes));
    txtLongSec->setText(FromUtf8(lon.Seconds));
    pnlEW->setText(FromUtf8(lon.Direction));
    txtLocation->setText(place.Name);
    const int zone = cmbZone->findText(place.Zone, Qt::MatchFixedString);
    if (zone > kComputersZoneItem)
        cmbZone->setCurrentIndex(zone);
}

QString TfConfig::ZoneIdOf(int item) const {
    return item <= 0 ? QString() : cmbZone->itemData(item).toString();
}

void TfConfig::FormShow() {
    centreOnMainWindow();
}

void TfConfig::FormActivate() {
    for (std::size_t i = 0; i < std::size(kNumberFields); ++i) {
        const NumberField& n = kNumberFields[i];
        QLineEdit* field = this->*n.Field;
        m_shownNumbers[i] = ShownNumber(FromUtf8((m_record.*n.Angle).*n.Part), n.MaxLength);
        field->setMaxLength(std::max<int>(n.MaxLength, static_cast<int>(m_shownNumbers[i].size())));
        field->setText(m_shownNumbers[i]);
    }
    pnlNS->setText(FromUtf8(m_record.Lat.Direction));
    pnlEW->setText(FromUtf8(m_record.Long.Direction));
    txtLocation->setText(FromUtf8(m_record.Location));
    txtLocation->setCursorPosition(0); // a long name shows its beginning
    Select(cmbDayOrder, m_record.DayOrder, {});
    Select(cmbDateFormat, m_record.DateLayoutIdx, FromUtf8(m_record.DateLayout));
    m_fixedZone =
        m_record.TimeZone >= 0 && m_record.TimeZone < kFixedZoneCount ? m_record.TimeZone : 0;
    m_fixedDaylight = m_record.DaylightSavings;
    // A stored name is found without regard to case; one the system does not know stays
    // chosen, under its own item, until another zone is picked.
    if (m_unknownZoneItem >= 0)
        cmbZone->removeItem(m_unknownZoneItem);
    m_unknownZoneItem = -1;
    const QString name = FromUtf8(m_record.ZoneName);
    int zone = name.isEmpty() ? 0 : cmbZone->findText(name, Qt::MatchFixedString);
    if (!name.isEmpty() && zone <= kComputersZoneItem) {
        zone = m_unknownZoneItem = kComputersZoneItem + 1;
        cmbZone->insertItem(zone, QStringLiteral("%1 (unknown here)").arg(name), name);
    }
    cmbZone->setCurrentIndex(zone);
    cmbZoneChange();
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
        return true;
    }
    m_checkedField = field;
    showMessage(QStringLiteral("Valid Range is 0 - ") + bound);
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
    for (const NumberField& n : kNumberFields)
        if (this->*n.Field == field)
            ValidateInput(field, QString::fromLatin1(n.Bound));
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
    pnlNS->setText(QString::fromLatin1(pnlNS->text() == kNorth ? kSouth : kNorth));
}
void TfConfig::spinNSDownClick() {
    spinNSUpClick();
}
void TfConfig::spinEWUpClick() {
    pnlEW->setText(QString::fromLatin1(pnlEW->text() == kWest ? kEast : kWest));
}
void TfConfig::spinEWDownClick() {
    spinEWUpClick();
}

void TfConfig::lblExitClick() {
    close();
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
    Settings s = m_record;
    for (std::size_t i = 0; i < std::size(kNumberFields); ++i) {
        const NumberField& n = kNumberFields[i];
        QLineEdit* field = this->*n.Field;
        if (field->text().isEmpty())
            field->setText(QStringLiteral("00"));
        // A number left as it was shown keeps its loaded text ("051" stays "051").
        if (field->text() != m_shownNumbers[i])
            (s.*n.Angle).*n.Part = CutText(field->text(), kDmsLength);
    }
    s.Lat.Direction = CutText(pnlNS->text(), kDirectionLength);
    s.Long.Direction = CutText(pnlEW->text(), kDirectionLength);
    s.Location = CutText(txtLocation->text(), kLocationLength);
    s.DayOrder = static_cast<std::uint8_t>(std::max(0, cmbDayOrder->currentIndex()));
    s.DateLayout = CutText(cmbDateFormat->currentText(), kDateLayoutLength);
    s.DateLayoutIdx = static_cast<std::uint8_t>(std::max(0, cmbDateFormat->currentIndex()));
    s.TimeZone = m_fixedZone;
    s.DaylightSavings = m_fixedDaylight;
    s.ZoneName = CutText(ZoneIdOf(cmbZone->currentIndex()), kZoneNameLength);

    // The record first: when the store fails, the program goes on with what the user entered.
    m_record = s;
    const QString message = SaveMessage(SaveConfiguration(m_store, s), m_store,
                                        QStringLiteral("Error reading Registry"));
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace selvane
