// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tprintoptions.h"

#include "core/settings.h"
#include "widgets/accessibility.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/spinbutton.h"
#include "widgets/widgetstyle.h"
#include "windows/windowaccessibility.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace selvane {

namespace {

constexpr int kTextPixels = 11; // 8 point
const QColor kPanelColour(255, 255, 176);
constexpr int kMaxDensity = 100;

// Where each control lies, in window pixels.
constexpr Placement kGeometry[] = {
    {"lblTitle", 50, 6, 120, 27},       {"chkDailyPhases", 26, 68, 13, 13},
    {"chkMajorPhases", 26, 88, 13, 13}, {"chkLunarTimes", 26, 108, 13, 13},
    {"chkSolarTimes", 26, 128, 13, 13}, {"pnlPhaseDensity", 136, 170, 33, 19},
    {"SpinButton1", 170, 170, 15, 19},  {"lblOK", 60, 210, 101, 29},
};

// Captions, each drawn in white one pixel right of and below its black copy: a shadow. Marked
// for translation in the window's context. A caption's room (SetTextRoom, given to the black
// copy) reaches up to the panel's inner edge at x 207 less 2 pixels, or up to the density's
// panel less the shadow's pixel.
struct Caption {
    const char* Text;
    int X, Y; // of the black copy
    int Room;
};
constexpr Caption kCaptions[] = {
    {QT_TRANSLATE_NOOP("selvane::TPrintOptions", "Daily Phases"), 48, 68, 157},
    {QT_TRANSLATE_NOOP("selvane::TPrintOptions", "Major Phases"), 48, 88, 157},
    {QT_TRANSLATE_NOOP("selvane::TPrintOptions", "Moon's Rise/Transit Set Times"), 48, 108, 157},
    {QT_TRANSLATE_NOOP("selvane::TPrintOptions", "Sun's Rise/Transit/Set Times"), 48, 128, 157},
    {QT_TRANSLATE_NOOP("selvane::TPrintOptions", "Daily Phase Density:"), 34, 173, 101},
};

// What the printout shows of the phases, from the two phase boxes and back. Constants rather
// than an enum with a base type, which Qt's lupdate misreads: it would file the texts of the
// functions below under the context "selvane", where tr() never looks.
constexpr std::uint8_t kDailyOnly = 0;
constexpr std::uint8_t kMajorOnly = 1;
constexpr std::uint8_t kNeither = 2;
constexpr std::uint8_t kBoth = 3;

} // namespace

TPrintOptions::TPrintOptions(Settings& record, SettingsStore& store, QWidget* mainWindow)
    : BorderlessWindow(mainWindow, QStringLiteral("TPrintOptions"),
                       QStringLiteral(":/printoptions.png"))
    , lblTitle(addHotSpot("lblTitle", {}))
    , chkDailyPhases(new QCheckBox(this))
    , chkMajorPhases(new QCheckBox(this))
    , chkLunarTimes(new QCheckBox(this))
    , chkSolarTimes(new QCheckBox(this))
    , pnlPhaseDensity(new QLabel(this))
    , SpinButton1(new SpinButton(this))
    , lblOK(addHotSpot("lblOK", {}))
    , m_record(record)
    , m_store(store) {
    InstallWindowsAccessibility();
    ForgetAccessibleInterface(this); // one made while the base class was built
    FormCreate();
}

void TPrintOptions::FormCreate() {
    setFont(ArialPixels(kTextPixels));
    chkDailyPhases->setObjectName(QStringLiteral("chkDailyPhases"));
    chkMajorPhases->setObjectName(QStringLiteral("chkMajorPhases"));
    chkLunarTimes->setObjectName(QStringLiteral("chkLunarTimes"));
    chkSolarTimes->setObjectName(QStringLiteral("chkSolarTimes"));
    pnlPhaseDensity->setObjectName(QStringLiteral("pnlPhaseDensity"));
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    PlaceControls(this, kGeometry);

    for (const Caption& c : kCaptions) {
        for (const auto& [dx, colour] : {std::pair{1, Qt::white}, std::pair{0, Qt::black}}) {
            auto* label = new QLabel(tr(c.Text), this);
            if (dx == 0)
                SetTextRoom(label, c.Room);
            SetTextColour(label, colour);
            label->adjustSize();
            label->move(c.X + dx, c.Y + dx);
            label->lower(); // under the controls
        }
    }

    pnlPhaseDensity->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPhaseDensity->setAlignment(Qt::AlignCenter);
    pnlPhaseDensity->setAutoFillBackground(true);
    QPalette p = pnlPhaseDensity->palette();
    p.setColor(QPalette::Window, kPanelColour);
    p.setColor(QPalette::WindowText, Qt::black);
    pnlPhaseDensity->setPalette(p);

    // Names for screen readers: the boxes' captions are labels of their own beside them.
    setAccessibleName(tr("Print Options"));
    const std::pair<QWidget*, QString> names[] = {
        {chkDailyPhases, tr("Daily Phases")},
        {chkMajorPhases, tr("Major Phases")},
        {chkLunarTimes, tr("Moon's Rise/Transit/Set Times")},
        {chkSolarTimes, tr("Sun's Rise/Transit/Set Times")},
        {SpinButton1, tr("Daily Phase Density")},
        {lblOK, tr("OK")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    SetValueCaption(pnlPhaseDensity, tr("Daily Phase Density"));
    SpinButton1->setValueLabel(pnlPhaseDensity);
    lblOK->setAccessibleDescription(tr("Stores the choices and prints the calendar"));

    dragBy(lblTitle);
    connect(SpinButton1, &SpinButton::upClicked, this, &TPrintOptions::SpinButton1UpClick);
    connect(SpinButton1, &SpinButton::downClicked, this, &TPrintOptions::SpinButton1DownClick);
    connect(lblOK, &HotSpotLabel::clicked, this, &TPrintOptions::lblOKClick);
}

void TPrintOptions::showEvent(QShowEvent* event) {
    // A window restored by the window system keeps its place and the user's choices.
    if (!event->spontaneous()) {
        FormShow();
        FormActivate();
    }
    BorderlessWindow::showEvent(event);
}

void TPrintOptions::FormShow() {
    centreOnMainWindow();
}

void TPrintOptions::FormActivate() {
    const std::uint8_t phases = m_record.PhasePrintout;
    chkDailyPhases->setChecked(phases == kDailyOnly || phases == kBoth);
    chkMajorPhases->setChecked(phases == kMajorOnly || phases == kBoth);
    chkLunarTimes->setChecked(m_record.PrintLunarTimes);
    chkSolarTimes->setChecked(m_record.PrintSunTimes);
    pnlPhaseDensity->setText(QString::number(m_record.PhaseDensity));
}

int TPrintOptions::density() const {
    return pnlPhaseDensity->text().toInt() & 0xFF;
}

void TPrintOptions::SpinButton1UpClick() {
    if (const int d = density(); d < kMaxDensity)
        pnlPhaseDensity->setText(QString::number(d + 1));
}

void TPrintOptions::SpinButton1DownClick() {
    if (const int d = density(); d > 0)
        pnlPhaseDensity->setText(QString::number(d - 1));
}

void TPrintOptions::lblOKClick() {
    const bool daily = chkDailyPhases->isChecked();
    const bool major = chkMajorPhases->isChecked();
    m_record.PhasePrintout = daily ? (major ? kBoth : kDailyOnly) : (major ? kMajorOnly : kNeither);
    m_record.PrintLunarTimes = chkLunarTimes->isChecked();
    m_record.PrintSunTimes = chkSolarTimes->isChecked();
    m_record.PhaseDensity = static_cast<std::uint8_t>(density());

    const QString message =
        SaveMessage(SavePrintOptions(m_store, m_record), m_store, tr("Error reading registry"));
    if (!message.isEmpty())
        showMessage(message);
    accept();
}

void TPrintOptions::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(Cancelled);
        return;
    }
    BorderlessWindow::keyPressEvent(event);
}

} // namespace selvane
