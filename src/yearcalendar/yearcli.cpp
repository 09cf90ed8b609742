// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearcli.h"

#include "beforebirth.h"
#include "birthdayrender.h"
#include "datafolder.h"
#include "germandate.h"
#include "monthmarks.h"
#include "dialogs.h"
#include "programfolder.h"
#include "namelist.h"
#include "table.h"
#include "icsreader.h"
#include "yearexchange.h"
#include "yearpages.h"
#include "yearrender.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace zuv::yearcal {

using zuv::core::Error;

namespace {

[[noreturn]] void usage(const QString& message);

// One row per option: its name (without "--"), the name of its value in the help
// (nullptr: a switch), the help text and how it goes into the command line. Adding an
// option is adding a row (and its field in CommandLine).
struct OptionRow {
    const char* name;
    const char* value;
    const char* help;
    void (*apply)(CommandLine& line, const QString& value);
};

// Every option, in the order --help lists them; "-h" is the one short name (of "help").
constexpr OptionRow kOptions[] = {
    {"jahreskalender", QT_TRANSLATE_NOOP("YearCommandLine", "JAHR"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Jahr des Kalenders (1 bis 9999)"),
     [](CommandLine& l, const QString& v) {
         bool ok = false;
         const int year = v.toInt(&ok);
         if (!ok || year < 1 || year > 9999)
             usage(QCoreApplication::translate("YearCommandLine",
                                               "Das Jahr \"%1\" ist ungültig: erlaubt sind 1 bis 9999.")
                       .arg(v));
         l.year = year;
     }},
    {"region", QT_TRANSLATE_NOOP("YearCommandLine", "REGION"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Bundesland oder Region: Kürzel (BY, NW, A, W ...) oder Name"),
     [](CommandLine& l, const QString& v) { l.region = v; }},
    {"bilder", QT_TRANSLATE_NOOP("YearCommandLine", "ORDNER"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Bilder aus ORDNER nach Namen sortiert, eines je Monat"),
     [](CommandLine& l, const QString& v) { l.pictureFolder = v; }},
    {"projekt", QT_TRANSLATE_NOOP("YearCommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("YearCommandLine", "gespeichertes Jahreskalender-Projekt (statt --bilder)"),
     [](CommandLine& l, const QString& v) { l.projectFile = v; }},
    {"pdf", QT_TRANSLATE_NOOP("YearCommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Zieldatei: PDF mit Titelseite und zwölf Monaten"),
     [](CommandLine& l, const QString& v) { l.pdf = v; }},
    {"person", QT_TRANSLATE_NOOP("YearCommandLine", "NAME"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Biorhythmus und kritische Tage dieser Person der Namensliste"),
     [](CommandLine& l, const QString& v) { l.person = v; }},
    {"ohne-geburtstage", nullptr,
     QT_TRANSLATE_NOOP("YearCommandLine", "keine Geburtstage der Namensliste eintragen"),
     [](CommandLine& l, const QString&) { l.noBirthdays = true; }},
    {"ohne-kritische-tage", nullptr, QT_TRANSLATE_NOOP("YearCommandLine", "keine kritischen Tage eintragen"),
     [](CommandLine& l, const QString&) { l.noCriticalDays = true; }},
    {"intuitiv", nullptr,
     QT_TRANSLATE_NOOP("YearCommandLine", "auch den intuitiven Rhythmus bei den kritischen Tagen"),
     [](CommandLine& l, const QString&) { l.intuitive = true; }},
    {"bildanpassung", QT_TRANSLATE_NOOP("YearCommandLine", "ART"),
     QT_TRANSLATE_NOOP("YearCommandLine", "zuschneiden (Vorgabe), einpassen oder verzerren"),
     [](CommandLine& l, const QString& v) {
         parsePrintOption(QStringLiteral("--bildanpassung"), v, l.print);
     }},
    {"papier", QT_TRANSLATE_NOOP("YearCommandLine", "FORMAT"),
     QT_TRANSLATE_NOOP("YearCommandLine", "A4 (Vorgabe), A3 oder A5, hochkant"),
     [](CommandLine& l, const QString& v) { parsePrintOption(QStringLiteral("--papier"), v, l.print); }},
    {"beschnitt", nullptr,
     QT_TRANSLATE_NOOP("YearCommandLine", "für die Druckerei: 3 mm Beschnitt und Schnittmarken"),
     [](CommandLine& l, const QString& v) { parsePrintOption(QStringLiteral("--beschnitt"), v, l.print); }},
    {"erster-monat", QT_TRANSLATE_NOOP("YearCommandLine", "MONAT"),
     QT_TRANSLATE_NOOP("YearCommandLine", "erster Monat 1 bis 12 (8: Schuljahr August bis Juli)"),
     [](CommandLine& l, const QString& v) {
         parsePrintOption(QStringLiteral("--erster-monat"), v, l.print);
     }},
    {"ics", QT_TRANSLATE_NOOP("YearCommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("YearCommandLine",
                       "Kalenderdatei (iCalendar): Feiertage, Geburtstage, kritische Tage"),
     [](CommandLine& l, const QString& v) { l.ics = v; }},
    {"termine", QT_TRANSLATE_NOOP("YearCommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("YearCommandLine",
                       "Termine aus einer Kalenderdatei auf die Seiten (mehrfach möglich)"),
     [](CommandLine& l, const QString& v) { l.appointmentFiles << v; }},
    {"namen-einlesen", QT_TRANSLATE_NOOP("YearCommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Namen und Geburtstage aus vCard- oder CSV-Datei übernehmen"),
     [](CommandLine& l, const QString& v) { l.importNames = v; }},
    {"mondphasen", nullptr,
     QT_TRANSLATE_NOOP("YearCommandLine", "Mondphasen in den Tagen und als Zeile unter den Feiertagen"),
     [](CommandLine& l, const QString&) { l.moonPhases = true; }},
    {"region2", QT_TRANSLATE_NOOP("YearCommandLine", "REGION"),
     QT_TRANSLATE_NOOP("YearCommandLine", "Feiertage einer zweiten Region, eigene mit Kürzel markiert"),
     [](CommandLine& l, const QString& v) { l.secondRegion = v; }},
    {"brueckentage", nullptr, QT_TRANSLATE_NOOP("YearCommandLine", "Brückentage markieren und auflisten"),
     [](CommandLine& l, const QString&) { l.bridgeDays = true; }},
    {"geburtstagskalender", nullptr,
     QT_TRANSLATE_NOOP("YearCommandLine", "immerwährender Geburtstagskalender statt Jahreskalender"),
     [](CommandLine& l, const QString&) { l.birthdayCalendar = true; }},
    {"help", nullptr, QT_TRANSLATE_NOOP("YearCommandLine", "diese Hilfe (auch -h)"),
     [](CommandLine& l, const QString&) { l.help = true; }},
};

// The row an argument names ("--pdf", "--pdf=k.pdf", "-h"); nullptr for anything else.
const OptionRow* rowOf(const QString& argument)
{
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    if (name == QLatin1String("-h"))
        return &kOptions[std::size(kOptions) - 1];
    if (!name.startsWith(QLatin1String("--")))
        return nullptr;
    for (const OptionRow& o : kOptions)
        if (QStringView(name).mid(2) == QLatin1String(o.name))
            return &o;
    return nullptr;
}

QString callOf(const OptionRow& o)
{
    return QLatin1String("--") + QLatin1String(o.name);
}

// What the parser refused, said in German: walks the arguments as the parser does and
// names the first that is no option of ours, a switch given a value, or a value option
// at the end without its value.
[[noreturn]] void refuse(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const OptionRow* o = rowOf(a);
        if (!o)
            usage(QCoreApplication::translate("YearCommandLine", "Unbekanntes Argument \"%1\".").arg(a));
        const bool inlineValue = a.contains(QLatin1Char('='));
        if (!o->value && inlineValue)
            usage(QCoreApplication::translate("YearCommandLine", "%1 nimmt keinen Wert.")
                      .arg(a.section(QLatin1Char('='), 0, 0)));
        if (o->value && !inlineValue && ++i == arguments.size())
            usage(QCoreApplication::translate("YearCommandLine", "Bei %1 fehlt der Wert.").arg(a));
    }
    usage(QCoreApplication::translate("YearCommandLine", "Die Argumente sind nicht lesbar."));
}

[[noreturn]] void usage(const QString& message)
{
    throw Error(message + QCoreApplication::translate("YearCommandLine", "\nMehr mit: zuvododerod --help"));
}

// A failed run: the message for standard error and the exit status it ends with.
struct Failure : Error {
    Failure(int exitStatus, const QString& message) : Error(message), status(exitStatus) {}
    int status;
};

// skipped: the files of the picture folder left out, each with its cause.
YearProject projectOf(const CommandLine& line, const std::vector<Person>& people, QStringList& skipped)
{
    YearProject project;
    if (!line.projectFile.isEmpty()) {
        try {
            project = loadProject(line.projectFile);
        } catch (const Error& e) {
            throw Failure{kExitInput, e.message()};
        }
    }
    if (line.year)
        project.year = *line.year;
    if (!line.region.isEmpty()) {
        const std::optional<Region> region = findRegion(line.region);
        if (!region) {
            QStringList codes;
            for (const Region& r : yearRegions())
                codes << r.code;
            throw Failure {
                kExitUsage,
                QCoreApplication::translate("YearCommandLine", "Unbekannte Region \"%1\". Möglich sind: %2")
                    .arg(line.region, codes.join(QStringLiteral(", ")))};
        }
        project.regionCode = region->code;
    }
    if (!line.pictureFolder.isEmpty()) {
        try {
            FolderPictureFill found = picturesFromFolder(line.pictureFolder, line.print.firstMonth.value_or(1));
            project.pictures = found.pictures;
            skipped = found.skipped;
        } catch (const Error& e) {
            throw Failure{kExitInput, e.message()};
        }
    }
    if (!line.person.isEmpty()) {
        auto it = std::find_if(people.begin(), people.end(), [&](const Person& p) {
            return p.name.compare(line.person, Qt::CaseInsensitive) == 0;
        });
        if (it == people.end())
            throw Failure {
                kExitUsage,
                QCoreApplication::translate("YearCommandLine", "\"%1\" steht nicht in der Namensliste.")
                    .arg(line.person)};
        if (!it->birthDate.isValid())
            throw Failure {kExitUsage,
                           QCoreApplication::translate("YearCommandLine", "\"%1\" hat kein Geburtsdatum.")
                               .arg(it->name)};
        project.person = *it;
    }
    if (line.noBirthdays)
        project.birthdays = false;
    if (line.noCriticalDays)
        project.criticalDays = false;
    if (line.intuitive)
        project.intuitive = true;
    applyPrintOptions(line.print, project.print);
    project.appointmentFiles << line.appointmentFiles;
    if (line.moonPhases)
        project.moonPhases = true;
    if (line.bridgeDays)
        project.bridgeDays = true;
    if (!line.secondRegion.isEmpty()) {
        const std::optional<Region> second = findRegion(line.secondRegion);
        project.secondRegion = second ? second->code : line.secondRegion;
        try {
            zuv::daymarks::checkSecondRegion(project.regionCode, project.secondRegion);
        } catch (const Error& e) {
            throw Failure{kExitUsage, e.message()};
        }
    }
    return project;
}

// --namen-einlesen: into the stored name list, made when there is none yet.
int importNames(const QString& file, zuv::store::Table& names, const QString& nameFile, QTextStream& out,
                QTextStream& err)
{
    names.setFileName(nameFile);
    try {
        if (QFileInfo(nameFile).isFile()) {
            names.loadFromFile();
        } else {
            for (const zuv::store::FieldDef& f : zuv::people::nameListFields())
                names.addFieldDef(f.name, f.type, f.size);
            names.createDataSet();
        }
    } catch (const std::exception& e) {
        err << QCoreApplication::translate("YearCommandLine", "Fehler: ") << QString::fromUtf8(e.what())
            << '\n';
        return kNamesNotWritten;
    }
    return runNameImport(file, names, out, err);
}

int runBirthdayCalendar(const CommandLine& line, const YearProject& project,
                       const std::vector<Person>& people, QTextStream& out, QTextStream& err)
{
    BirthdayCalendar calendar = buildBirthdayCalendar(people, project.pictures);
    calendar.titleFont = project.titleFont;
    std::vector<PictureProblem> problems;
    try {
        writeBirthdayPdf(line.pdf, calendar, problems);
    } catch (const Error& e) {
        throw Failure{kExitOutput, e.message()};
    }
    for (const PictureProblem& p : problems)
        err << QCoreApplication::translate("YearCommandLine", "Warnung: ")
            << (p.month == 0 ? QCoreApplication::translate("YearCommandLine", "Titelseite")
                             : zuv::core::monthName(p.month))
            << QStringLiteral(": ") << QString(p.message).replace(QLatin1Char('\n'), QLatin1Char(' '))
            << '\n';
    out << QCoreApplication::translate("YearCommandLine",
                                       "Geburtstagskalender mit %1 Seiten gespeichert: %2\n")
               .arg(calendar.pageCount())
               .arg(QDir::toNativeSeparators(line.pdf));
    out.flush();
    err.flush();
    return kExitOk;
}

} // namespace

bool wantsCommandLine(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (rowOf(a))
            return true;
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-platform" and its kin are one name, never a row of one-letter switches.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& o : kOptions) {
        QStringList names{QLatin1String(o.name)};
        if (QLatin1String(o.name) == QLatin1String("help"))
            names << QStringLiteral("h");
        parser.addOption(o.value ? QCommandLineOption(names, QString::fromUtf8(o.help), QLatin1String(o.value))
                                 : QCommandLineOption(names, QString::fromUtf8(o.help)));
    }
    // The parser reads argv: the program's name comes first. Its own messages are
    // English, so a refusal is worded by refuse(); so is a word that is no option.
    if (!parser.parse(QStringList{QStringLiteral("zuvododerod")} + arguments)
        || !parser.positionalArguments().isEmpty())
        refuse(arguments);

    CommandLine line;
    for (const OptionRow& o : kOptions) {
        const QString name = QLatin1String(o.name);
        if (!parser.isSet(name))
            continue;
        // Options given more than once: the repeatable ones take every value, the others
        // the last.
        for (const QString& value : o.value ? parser.values(name) : QStringList{QString()}) {
            if (o.value && value.isEmpty())
                usage(
                    QCoreApplication::translate("YearCommandLine", "Bei %1 fehlt der Wert.").arg(callOf(o)));
            o.apply(line, value);
        }
    }
    if (line.help || !line.importNames.isEmpty())
        return line;
    if (!line.pictureFolder.isEmpty() && !line.projectFile.isEmpty())
        usage(QCoreApplication::translate("YearCommandLine", "--bilder und --projekt schließen sich aus."));
    if (line.pdf.isEmpty() && line.birthdayCalendar)
        usage(QCoreApplication::translate("YearCommandLine", "Geben Sie die Zieldatei an: --pdf DATEI."));
    if (line.birthdayCalendar)
        return line;   // no year, no region: it serves for every year
    if (!line.year && line.projectFile.isEmpty())
        usage(
            QCoreApplication::translate("YearCommandLine", "Geben Sie das Jahr an: --jahreskalender JAHR."));
    if (line.region.isEmpty() && line.projectFile.isEmpty())
        usage(QCoreApplication::translate("YearCommandLine", "Geben Sie die Region an: --region REGION."));
    if (line.pdf.isEmpty() && line.ics.isEmpty())
        usage(QCoreApplication::translate("YearCommandLine",
                                          "Geben Sie die Zieldatei an: --pdf DATEI oder --ics DATEI."));
    return line;
}

QString helpText()
{
    QString text = QCoreApplication::translate(
        "YearCommandLine",
        "Aufruf: zuvododerod --jahreskalender JAHR --region REGION [--bilder ORDNER] --pdf DATEI\n"
        "        zuvododerod --projekt DATEI [--jahreskalender JAHR] [--region REGION] --pdf DATEI\n"
        "        zuvododerod --geburtstagskalender [--bilder ORDNER | --projekt DATEI] --pdf DATEI\n"
        "\n"
        "Erzeugt ohne Fenster einen Jahreskalender als PDF: eine Titelseite mit dem Jahr und dem\n"
        "ersten Bild des ersten Monats, dann zwölf Monate (Januar bis Dezember oder ab\n"
        "--erster-monat) mit Kalenderwochen, den Feiertagen der Region und den Geburtstagen der\n"
        "Namensliste.\n"
        "\n"
        "Optionen:\n");
    for (const OptionRow& o : kOptions) {
        const QString call = callOf(o)
            + (o.value ? QLatin1Char(' ') + QCoreApplication::translate("YearCommandLine", o.value)
                       : QString());
        text += QStringLiteral("  %1  %2\n")
                    .arg(call, -28)
                    .arg(QCoreApplication::translate("YearCommandLine", o.help));
    }
    text += QCoreApplication::translate("YearCommandLine", "\nRegionen:\n");
    for (const Region& r : yearRegions())
        text += QStringLiteral("  %1  %2\n").arg(r.code, -3).arg(r.name);
    text += QCoreApplication::translate(
        "YearCommandLine",
        "\nEin Bild, das fehlt oder nicht gelesen werden kann, bleibt mit einer Meldung leer;\n"
        "der Kalender wird trotzdem geschrieben.\n"
        "\nRückgabewerte:\n"
        "  0  Kalender geschrieben, Namen eingelesen\n"
        "  2  falsche Argumente, unbekannte oder doppelte Region, Bildanpassung oder Papier,\n"
        "     ungültiges Jahr oder ungültiger erster Monat; bei --namen-einlesen: weder\n"
        "     vCard noch CSV mit Name und Geburtstag\n"
        "  3  Bilderordner, Projekt oder Namensdatei fehlt oder kann nicht gelesen werden\n"
        "  4  die PDF-, Kalender- oder Namenslisten-Datei kann nicht geschrieben werden\n");
    return text;
}

int runCommandLine(const CommandLine& line, const std::vector<Person>& people, QTextStream& out,
                   QTextStream& err)
{
    if (line.help) {
        out << helpText();
        out.flush();
        return kExitOk;
    }
    try {
        QStringList skipped;
        const YearProject project = projectOf(line, people, skipped);
        for (const QString& s : skipped)
            err << QCoreApplication::translate("YearCommandLine", "Übersprungen: ") << s << '\n';
        if (project.person && !beforeBirthNote(*project.person, project.year).isEmpty())
            err << QCoreApplication::translate("YearCommandLine", "Hinweis: ")
                << beforeBirthNote(*project.person, project.year) << '\n';
        zuv::exchange::IcsResult termine;
        if (!project.appointmentFiles.isEmpty() && project.year >= 1 && project.year <= 9999) {
            // The twelve months the calendar shows, also when it starts after January.
            const QDate first(project.year, project.print.firstMonth, 1);
            termine = zuv::exchange::readIcsFiles(project.appointmentFiles, first,
                                                  first.addMonths(12).addDays(-1));
            for (const zuv::exchange::IcsMessage& m : termine.messages)
                err << QCoreApplication::translate("YearCommandLine", "Warnung: ") << m.toString() << '\n';
            out << QCoreApplication::translate("YearCommandLine", "Termine %1: %2\n")
                       .arg(project.year)
                       .arg(termine.appointments.size());
        }
        if (line.birthdayCalendar)
            return runBirthdayCalendar(line, project, people, out, err);
        YearDocument doc;
        try {
            doc = buildYearDocument(project, people, termine.appointments);
        } catch (const Error& e) {
            throw Failure{kExitUsage, e.message()};
        }
        if (!line.pdf.isEmpty()) {
            std::vector<PictureProblem> problems;
            try {
                writeYearPdf(line.pdf, doc, zuv::photo::CalendarReport(), problems);
            } catch (const Error& e) {
                throw Failure{kExitOutput, e.message()};
            }
            for (const PictureProblem& p : problems)
                err << QCoreApplication::translate("YearCommandLine", "Warnung: ")
                    << problemText(p, project.year).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
            // Pictures that reached their month page: a soft one is placed all the same, a
            // cover picture is not one of the months'.
            qsizetype placed = 0;
            for (const MonthPage& m : doc.months)
                placed += m.pictures.size();
            for (const PictureProblem& p : problems)
                placed -= !p.softOnly && p.month != 0;
            const QString pictures = placed == 1
                ? QCoreApplication::translate("YearCommandLine", "1 Bild")
                : QCoreApplication::translate("YearCommandLine", "%1 Bildern").arg(placed);
            out << QCoreApplication::translate("YearCommandLine",
                                               "Jahreskalender %1 mit %2 Seiten und %3 gespeichert: %4\n")
                       .arg(project.year)
                       .arg(doc.pageCount())
                       .arg(pictures, QDir::toNativeSeparators(line.pdf));
        }
        if (!line.ics.isEmpty()) {
            try {
                saveYearIcs(line.ics, project, people, QDateTime::currentDateTimeUtc());
            } catch (const Error& e) {
                throw Failure{kExitOutput, e.message()};
            }
            out << QCoreApplication::translate("YearCommandLine", "Kalenderdatei %1 gespeichert: %2\n")
                       .arg(project.year)
                       .arg(QDir::toNativeSeparators(line.ics));
        }
        out.flush();
        err.flush();
        return kExitOk;
    } catch (const Failure& f) {
        err << QCoreApplication::translate("YearCommandLine", "Fehler: ") << f.message() << '\n';
        err.flush();
        return f.status;
    }
}

int runCommandLine(int argc, char** argv, void (*setup)())
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Batch use needs no display. The application comes first: the program's set-up
    // installs the language that the help and the usage messages speak.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    zuv::core::setApplicationNames();
    if (setup)
        setup();

    CommandLine line;
    try {
        line = parseCommandLine(arguments);
    } catch (const Error& e) {
        err << QCoreApplication::translate("YearCommandLine", "Fehler: ") << e.message() << '\n';
        return kExitUsage;
    }
    if (line.help)
        return runCommandLine(line, {}, out, err);

    std::vector<Person> people;
    zuv::store::Table names(QStringLiteral("CDSNamensliste"));
    const QString nameFile = zuv::store::userDataPath(QStringLiteral("Namensliste"));
    if (!line.importNames.isEmpty())
        return importNames(line.importNames, names, nameFile, out, err);
    if (QFileInfo(nameFile).isFile()) {
        try {
            names.setFileName(nameFile);
            names.loadFromFile();
            people = peopleOf(names);
        } catch (const std::exception&) {
            err << QCoreApplication::translate("YearCommandLine",
                                               "Warnung: Die Namensliste kann nicht gelesen werden; der "
                                               "Kalender erscheint ohne Geburtstage.\n");
        }
    }
    return runCommandLine(line, people, out, err);
}

} // namespace zuv::yearcal
