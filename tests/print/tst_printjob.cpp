// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print jobs: to a PDF file when no printer is installed, and a real print through a
// CUPS server of the test's own with the cups-pdf queue.

#include "../core/pagefixture.h"
#include "../core/scopedhome.h"
#include "print/printjob.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace selvane;

class TestPrintJob : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutAPrinterTheUserMaySaveAPdf();
    void printsBothPagesThroughCups();
    void cleanupTestCase();

private:
    QString startCupsd(); // empty when it runs, else why not
    // The PDF files in cups-pdf's output folder written since `since` (a job may replace an
    // older file of the same name).
    QStringList cupsPdfFiles(const QDateTime& since) const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_outDir;      // where cups-pdf writes the jobs of this user
    QStringList m_written; // the files the test made there
    bool m_madeOutDir = false;
};

void TestPrintJob::initTestCase() {
    // Everything of CUPS this process and its children use goes to the test's own server,
    // not yet running: no printer is installed.
    qputenv("CUPS_SERVER", m_dir.filePath("cups.sock").toLocal8Bit());
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
}

void TestPrintJob::withoutAPrinterTheUserMaySaveAPdf() {
    const CalendarPageData data = March2024();
    QString suggested, answer;
    QStringList errors, saved;
    const PrintPrompts prompts{[&](QWidget*, const QString& path) {
                                   suggested = path;
                                   return answer;
                               },
                               [&](QWidget*, const QString& message) { errors << message; },
                               [&](QWidget*, const QString& path) {
                                   saved << path;
                               }};
    const ScopedHome home(true);
    const QDir documents(home.path() + "/Documents");

    QVERIFY(!PrintCalendar(nullptr, data, prompts)); // the dialog cancelled
    QCOMPARE(suggested, documents.filePath("Selvane March 2024.pdf"));
    QCOMPARE(errors, QStringList());

    answer = m_dir.filePath("calendar.pdf");
    QVERIFY(PrintCalendar(nullptr, data, prompts));
    QCOMPARE(PdfProblems(answer, {"March 2024", "SR: 06:44", "15:24"}), QString());
    answer = m_dir.filePath("table.pdf");
    QVERIFY(PrintTimeTable(nullptr, {data.Header, data.Table, {}}, prompts));
    QCOMPARE(suggested, documents.filePath("Selvane Time Table March 2024.pdf"));
    QCOMPARE(PdfProblems(answer, {"March 2024", "Twilight Start", "Date Rise Transit"}), QString());
    QCOMPARE(saved, QStringList({m_dir.filePath("calendar.pdf"), m_dir.filePath("table.pdf")}));

    answer = m_dir.filePath("no such folder/calendar.pdf"); // cannot be written: said so
    QVERIFY(!PrintCalendar(nullptr, data, prompts));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(saved.size(), 2);

    // Without a documents folder the home folder is offered, and the page saves there.
    const ScopedHome bare(false);
    answer.clear();
    QVERIFY(!PrintCalendar(nullptr, data, prompts));
    QCOMPARE(suggested, QDir(bare.path()).filePath("Selvane March 2024.pdf"));
    answer = suggested;
    QVERIFY(PrintCalendar(nullptr, data, prompts));
    QCOMPARE(saved.last(), suggested);
    QCOMPARE(PdfProblems(answer, {"March 2024"}), QString());
}

void TestPrintJob::printsBothPagesThroughCups() {
    if (const QString why = startCupsd(); !why.isEmpty())
        QSKIP(qPrintable("cupsd cannot run here: " + why));
    // The queue turns the job into PostScript for cups-pdf; ghostscript, the default for
    // that, leaves fonts whose text pdftotext cannot read, pdftocairo keeps them readable. Its
    // description is cups-pdf's with a colour mode whose default is grey, as colour printers
    // set to save ink have it.
    QFile ppd("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
    QVERIFY(ppd.open(QIODevice::ReadOnly));
    QByteArray description = ppd.readAll();
    const QByteArray colourModes = "*OpenUI *ColorModel/Color Mode: PickOne\n"
                                   "*OrderDependency: 10 AnySetup *ColorModel\n"
                                   "*DefaultColorModel: Gray\n"
                                   "*ColorModel Gray/Grayscale: \"\"\n"
                                   "*ColorModel RGB/Color: \"\"\n"
                                   "*CloseUI: *ColorModel\n";
    QVERIFY(description.contains("*CloseGroup: General"));
    description.replace("*CloseGroup: General", colourModes + "*CloseGroup: General");
    QFile greyByDefault(m_dir.filePath("grey-by-default.ppd"));
    QVERIFY(greyByDefault.open(QIODevice::WriteOnly));
    greyByDefault.write(description);
    greyByDefault.close();
    QCOMPARE(Run("lpadmin", {"-p", "PDF", "-v", "cups-pdf:/", "-E", "-P", greyByDefault.fileName(),
                             "-o", "pdftops-renderer-default=pdftocairo"}),
             QString());
    QCOMPARE(Run("lpadmin", {"-d", "PDF"}), QString());
    QCOMPARE(QPrinterInfo::defaultPrinterName(), QString("PDF"));

    // The output folder of the job's owner, from cups-pdf's configuration.
    const passwd* user = getpwuid(geteuid());
    QVERIFY(user);
    m_outDir = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf("/etc/cups/cups-pdf.conf");
    if (conf.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(conf.readAll()).split('\n'))
            if (line.startsWith("Out "))
                m_outDir = line.mid(4).trimmed();
    m_outDir.replace("${HOME}", user->pw_dir).replace("${USER}", user->pw_name);
    m_madeOutDir = !QDir(m_outDir).exists();
    // The file system's times have whole seconds on some file systems.
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);

    const CalendarPageData data = March2024();
    QStringList errors, saved;
    const PrintPrompts prompts{[](QWidget*, const QString&) { return QString(); },
                               [&](QWidget*, const QString& message) { errors << message; },
                               [&](QWidget*, const QString& path) {
                                   saved << path;
                               }};
    QVERIFY(PrintCalendar(nullptr, data, prompts));
    QVERIFY(PrintTimeTable(nullptr, {data.Header, data.Table, {}}, prompts));
    QCOMPARE(errors, QStringList());
    QCOMPARE(saved, QStringList()); // printed, not saved
    QTRY_VERIFY2_WITH_TIMEOUT(
        Run("lpstat", {"-o"}).isEmpty() && cupsPdfFiles(start).size() == 2,
        qPrintable("the server's log:\n" + Run("tail", {"-40", m_dir.filePath("error_log")})),
        90000);
    m_written = cupsPdfFiles(start);

    // One file per page, each a landscape page with the month and its first day's times.
    const DayTimes& march1 = data.Table.Days[0];
    int tables = 0;
    for (const QString& file : m_written) {
        QCOMPARE(PdfProblems(file,
                             {"March 2024", QString::fromStdString(TableText(march1.SunTimes.Rise)),
                              QString::fromStdString(TableText(march1.MoonTimes.Set))}),
                 QString());
        tables += PdfProblems(file, {"Twilight Start"}).isEmpty();
    }
    QCOMPARE(tables, 1);

    // The calendar's weekday row came out yellow, not grey, and both jobs asked for colour.
    for (const QString& file : m_written) {
        const QString image = m_dir.filePath("page");
        QCOMPARE(Run("pdftoppm", {"-r", "20", "-singlefile", file, image}), QString());
        const QImage page(image + ".ppm");
        QVERIFY(!page.isNull());
        int yellow = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                yellow += c.red() > 200 && c.green() > 200 && c.blue() < 120;
            }
        if (PdfProblems(file, {"Twilight Start"}).isEmpty())
            continue; // the time table
        QVERIFY2(yellow > 100, qPrintable(QString("%1 yellow pixels").arg(yellow)));
    }
    // Both jobs asked the queue for colour: their attributes, as the server keeps them in its
    // spool (written at once, DirtyCleanInterval 0), say print-color-mode=color.
    const auto colourJobs = [this] {
        int jobs = 0;
        for (const QFileInfo& job :
             QDir(m_dir.filePath("spool")).entryInfoList({"c*"}, QDir::Files)) {
            QFile control(job.filePath());
            jobs += control.open(QIODevice::ReadOnly) &&
                    control.readAll().contains(QByteArray("print-color-mode\0\x05"
                                                          "color",
                                                          23));
        }
        return jobs;
    };
    QTRY_COMPARE_WITH_TIMEOUT(colourJobs(), 2, 10000);

    // A stopped printer: a message, no page, and the next print works again.
    QCOMPARE(Run("cupsdisable", {"PDF"}), QString());
    QVERIFY(!PrintCalendar(nullptr, data, prompts));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains("\"PDF\""), qPrintable(errors.first()));
    QCOMPARE(Run("cupsenable", {"PDF"}), QString());

    // A queue that refuses jobs: the same, and no job reaches it.
    QCOMPARE(Run("cupsreject", {"PDF"}), QString());
    QVERIFY(!PrintTimeTable(nullptr, {data.Header, data.Table, {}}, prompts));
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors.last().contains("\"PDF\"") && errors.last().contains("not accept"),
             qPrintable(errors.last()));
    QCOMPARE(Run("lpstat", {"-o"}), QString());
    QCOMPARE(cupsPdfFiles(start), m_written);
    QCOMPARE(Run("cupsaccept", {"PDF"}), QString());
}

void TestPrintJob::cleanupTestCase() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
    for (const QString& file : m_written)
        QFile::remove(file);
    if (m_madeOutDir)
        QDir().rmdir(m_outDir); // only if it is empty again
}

QString TestPrintJob::startCupsd() {
    if (!QFile::exists("/usr/sbin/cupsd") || !QFile::exists("/usr/lib/cups/backend/cups-pdf"))
        return "cups or cups-pdf is not installed (scripts/install-deps installs them)";
    if (geteuid() != 0)
        return "the cups-pdf backend runs only under a cupsd started by root";
    // A server of its own: its socket, spool and state in the test's folder, which the
    // filters (run as lp) must be able to enter.
    const QString d = m_dir.path();
    auto write = [&](const QString& name, const char* text) {
        QFile file(d + name);
        return file.open(QIODevice::WriteOnly) && file.write(QString(text).arg(d).toUtf8()) > 0;
    };
    for (const char* sub : {"/root", "/spool", "/state", "/cache", "/tmp"})
        QDir().mkdir(d + sub);
    if (chmod(QFile::encodeName(d).constData(), 0755) != 0 ||
        chmod(QFile::encodeName(d + "/tmp").constData(), 01777) != 0 ||
        !write("/cupsd.conf", "Listen %1/cups.sock\nLogLevel warn\nBrowsing No\n"
                              "DirtyCleanInterval 0\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n") ||
        !write("/cups-files.conf",
               "ServerRoot %1/root\nRequestRoot %1/spool\nStateDir %1/state\nCacheDir "
               "%1/cache\nTempDir %1/tmp\nErrorLog %1/error_log\nFileDevice No\n"))
        return "cannot write its configuration in " + d;
    // The server ends with the test, also when the test is killed.
    m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start("/usr/sbin/cupsd", {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    if (!m_cupsd.waitForStarted(5000))
        return m_cupsd.errorString();
    for (int i = 0; i < 100 && m_cupsd.state() == QProcess::Running; ++i) {
        if (Run("lpstat", {"-r"}).startsWith("scheduler is running"))
            return {};
        QTest::qWait(100);
    }
    m_cupsd.waitForFinished(1000);
    return "it stopped: " + QString::fromUtf8(m_cupsd.readAllStandardError());
}

QStringList TestPrintJob::cupsPdfFiles(const QDateTime& since) const {
    QStringList files;
    for (const QFileInfo& file : QDir(m_outDir).entryInfoList({"*.pdf"}, QDir::Files))
        if (file.lastModified() >= since)
            files << file.filePath();
    return files;
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
