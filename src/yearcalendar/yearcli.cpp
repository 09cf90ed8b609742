// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearcli.h"

#include "beforebirth.h"
#include "datafolder.h"
#include "dialogs.h"
#include "namelist.h"
#include "picturechoice.h"
#include "table.h"
#include "icsreader.h"
#include "yearexchange.h"
#include "yearpages.h"
#include "yearrender.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace zuv::yearcal {

using zuv::core::Error;

namespace {

struct OptionDef {
    const char* name;
    const char* value;   // name of the value in the help, nullptr: takes none
    const char* help;
};
// Every option, in the order --help lists them.
constexpr OptionDef kOptions[] = {
    {"--jahreskalender", "JAHR", "Jahr des Kalenders (1 bis 9999)"},
    {"--region", "REGION", "Bundesland oder Region: Kürzel (BY, NW, A, W ...) oder Name"},
    {"--bilder", "ORDNER", "Bilder aus ORDNER nach Namen sortiert, eines je Monat"},
    {"--projekt", "DATEI", "gespeichertes Jahreskalender-Projekt (statt --bilder)"},
    {"--pdf", "DATEI", "Zieldatei: PDF mit Titelseite und zwölf Monaten"},
    {"--person", "NAME", "Biorhythmus und kritische Tage dieser Person der Namensliste"},
    {"--ohne-geburtstage", nullptr, "keine Geburtstage der Namensliste eintragen"},
    {"--ohne-kritische-tage", nullptr, "keine kritischen Tage eintragen"},
    {"--intuitiv", nullptr, "auch den intuitiven Rhythmus bei den kritischen Tagen"},
    {"--bildanpassung", "ART", "zuschneiden (Vorgabe), einpassen oder verzerren"},
    {"--papier", "FORMAT", "A4 (Vorgabe), A3 oder A5, hochkant"},
    {"--beschnitt", nullptr, "für die Druckerei: 3 mm Beschnitt und Schnittmarken"},
    {"--erster-monat", "MONAT", "erster Monat 1 bis 12 (8: Schuljahr August bis Juli)"},
    {"--ics", "DATEI", "Kalenderdatei (iCalendar): Feiertage, Geburtstage, kritische Tage"},
    {"--termine", "DATEI", "Termine aus einer Kalenderdatei auf die Seiten (mehrfach möglich)"},
    {"--namen-einlesen", "DATEI", "Namen und Geburtstage aus vCard- oder CSV-Datei übernehmen"},
    {"--help", nullptr, "diese Hilfe (auch -h)"},
};

const OptionDef* findOption(const QString& name)
{
    for (const OptionDef& o : kOptions)
        if (name == QLatin1String(o.name))
            return &o;
    if (name == QLatin1String("-h"))
        return &kOptions[std::size(kOptions) - 1];
    return nullptr;
}

[[noreturn]] void usage(const QString& message)
{
    throw Error(message + QStringLiteral("\nMehr mit: zuvododerod --help"));
}

struct Failure {
    int status;
    QString message;
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
            throw Failure{kExitUsage, QStringLiteral("Unbekannte Region \"%1\". Möglich sind: %2")
                                          .arg(line.region, codes.join(QStringLiteral(", ")))};
        }
        project.regionCode = region->code;
    }
    if (!line.pictureFolder.isEmpty()) {
        try {
            const zuv::photo::FolderPictures found =
                zuv::photo::checkFolderPictures(picturesInFolder(line.pictureFolder), 12);
            project.pictures = onePicturePerMonth(found.usable, line.print.firstMonth.value_or(1));
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
            throw Failure{kExitUsage,
                          QStringLiteral("\"%1\" steht nicht in der Namensliste.").arg(line.person)};
        if (!it->birthDate.isValid())
            throw Failure{kExitUsage, QStringLiteral("\"%1\" hat kein Geburtsdatum.").arg(it->name)};
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
    return project;
}

// --namen-einlesen: into the stored name list, made when there is none yet.
int importNames(const QString& file, zuv::core::Table& names, const QString& nameFile, QTextStream& out,
                QTextStream& err)
{
    names.setFileName(nameFile);
    try {
        if (QFileInfo(nameFile).isFile()) {
            names.loadFromFile();
        } else {
            for (const zuv::core::FieldDef& f : zuv::people::nameListFields())
                names.addFieldDef(f.name, f.type, f.size);
            names.createDataSet();
        }
    } catch (const std::exception& e) {
        err << QStringLiteral("Fehler: ") << QString::fromUtf8(e.what()) << '\n';
        return kNamesNotWritten;
    }
    return runNameImport(file, names, out, err);
}

} // namespace

bool wantsCommandLine(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (findOption(a.section(QLatin1Char('='), 0, 0)))
            return true;
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments[i];
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        const OptionDef* option = findOption(name);
        if (!option)
            usage(QStringLiteral("Unbekanntes Argument \"%1\".").arg(arg));
        const bool inlineValue = arg.contains(QLatin1Char('='));
        QString value;
        if (option->value) {
            if (inlineValue)
                value = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.isEmpty())
                usage(QStringLiteral("Bei %1 fehlt der Wert.").arg(name));
        } else if (inlineValue) {
            usage(QStringLiteral("%1 nimmt keinen Wert.").arg(name));
        }

        const QLatin1String n(option->name);
        if (parsePrintOption(n, value, line.print))
            continue;
        if (n == QLatin1String("--help")) {
            line.help = true;
        } else if (n == QLatin1String("--jahreskalender")) {
            bool ok = false;
            const int year = value.toInt(&ok);
            if (!ok || year < 1 || year > 9999)
                usage(QStringLiteral("Das Jahr \"%1\" ist ungültig: erlaubt sind 1 bis 9999.").arg(value));
            line.year = year;
        } else if (n == QLatin1String("--region")) {
            line.region = value;
        } else if (n == QLatin1String("--bilder")) {
            line.pictureFolder = value;
        } else if (n == QLatin1String("--projekt")) {
            line.projectFile = value;
        } else if (n == QLatin1String("--pdf")) {
            line.pdf = value;
        } else if (n == QLatin1String("--person")) {
            line.person = value;
        } else if (n == QLatin1String("--ohne-geburtstage")) {
            line.noBirthdays = true;
        } else if (n == QLatin1String("--ohne-kritische-tage")) {
            line.noCriticalDays = true;
        } else if (n == QLatin1String("--intuitiv")) {
            line.intuitive = true;
        } else if (n == QLatin1String("--ics")) {
            line.ics = value;
        } else if (n == QLatin1String("--termine")) {
            line.appointmentFiles << value;
        } else if (n == QLatin1String("--namen-einlesen")) {
            line.importNames = value;
        }
    }
    if (line.help || !line.importNames.isEmpty())
        return line;
    if (!line.pictureFolder.isEmpty() && !line.projectFile.isEmpty())
        usage(QStringLiteral("--bilder und --projekt schließen sich aus."));
    if (!line.year && line.projectFile.isEmpty())
        usage(QStringLiteral("Geben Sie das Jahr an: --jahreskalender JAHR."));
    if (line.region.isEmpty() && line.projectFile.isEmpty())
        usage(QStringLiteral("Geben Sie die Region an: --region REGION."));
    if (line.pdf.isEmpty() && line.ics.isEmpty())
        usage(QStringLiteral("Geben Sie die Zieldatei an: --pdf DATEI oder --ics DATEI."));
    return line;
}

QString helpText()
{
    QString text = QStringLiteral(
        "Aufruf: zuvododerod --jahreskalender JAHR --region REGION [--bilder ORDNER] --pdf DATEI\n"
        "        zuvododerod --projekt DATEI [--jahreskalender JAHR] [--region REGION] --pdf DATEI\n"
        "\n"
        "Erzeugt ohne Fenster einen Jahreskalender als PDF: eine Titelseite mit dem Jahr und dem\n"
        "ersten Bild des ersten Monats, dann zwölf Monate (Januar bis Dezember oder ab\n"
        "--erster-monat) mit Kalenderwochen, den Feiertagen der Region und den Geburtstagen der\n"
        "Namensliste.\n"
        "\n"
        "Optionen:\n");
    for (const OptionDef& o : kOptions) {
        const QString call = QLatin1String(o.name)
            + (o.value ? QLatin1Char(' ') + QLatin1String(o.value) : QString());
        text += QStringLiteral("  %1  %2\n").arg(call, -28).arg(QString::fromUtf8(o.help));
    }
    text += QStringLiteral("\nRegionen:\n");
    for (const Region& r : yearRegions())
        text += QStringLiteral("  %1  %2\n").arg(r.code, -3).arg(r.name);
    text += QStringLiteral(
        "\nEin Bild, das fehlt oder nicht gelesen werden kann, bleibt mit einer Meldung leer;\n"
        "der Kalender wird trotzdem geschrieben.\n"
        "\nRückgabewerte:\n"
        "  0  Kalender geschrieben, Namen eingelesen\n"
        "  2  falsche Argumente, unbekannte Region, Bildanpassung oder Papier, ungültiges Jahr\n"
        "     oder ungültiger erster Monat; bei --namen-einlesen: weder vCard noch CSV mit\n"
        "     Name und Geburtstag\n"
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
            err << QStringLiteral("Übersprungen: ") << s << '\n';
        if (project.person && !beforeBirthNote(*project.person, project.year).isEmpty())
            err << QStringLiteral("Hinweis: ") << beforeBirthNote(*project.person, project.year) << '\n';
        zuv::exchange::IcsResult termine;
        if (!project.appointmentFiles.isEmpty() && project.year >= 1 && project.year <= 9999) {
            // The twelve months the calendar shows, also when it starts after January.
            const QDate first(project.year, project.print.firstMonth, 1);
            termine = zuv::exchange::readIcsFiles(project.appointmentFiles, first,
                                                  first.addMonths(12).addDays(-1));
            for (const zuv::exchange::IcsMessage& m : termine.messages)
                err << QStringLiteral("Warnung: ") << m.toString() << '\n';
            out << QStringLiteral("Termine %1: %2\n").arg(project.year).arg(termine.appointments.size());
        }
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
                err << QStringLiteral("Warnung: ")
                    << problemText(p, project.year).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
            qsizetype placed = -qsizetype(problems.size());
            for (const MonthPage& m : doc.months)
                placed += m.pictures.size();
            out << QStringLiteral("Jahreskalender %1 mit %2 Seiten und %3 gespeichert: %4\n")
                       .arg(project.year)
                       .arg(doc.pageCount())
                       .arg(placed == 1 ? QStringLiteral("1 Bild") : QStringLiteral("%1 Bildern").arg(placed))
                       .arg(QDir::toNativeSeparators(line.pdf));
        }
        if (!line.ics.isEmpty()) {
            try {
                saveYearIcs(line.ics, project, people, QDateTime::currentDateTimeUtc());
            } catch (const Error& e) {
                throw Failure{kExitOutput, e.message()};
            }
            out << QStringLiteral("Kalenderdatei %1 gespeichert: %2\n")
                       .arg(project.year)
                       .arg(QDir::toNativeSeparators(line.ics));
        }
        out.flush();
        err.flush();
        return kExitOk;
    } catch (const Failure& f) {
        err << QStringLiteral("Fehler: ") << f.message << '\n';
        err.flush();
        return f.status;
    }
}

int runCommandLine(int argc, char** argv, void (*setupFonts)())
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine line;
    try {
        line = parseCommandLine(arguments);
    } catch (const Error& e) {
        err << QStringLiteral("Fehler: ") << e.message() << '\n';
        return kExitUsage;
    }
    if (line.help)
        return runCommandLine(line, {}, out, err);

    // Batch use needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    zuv::core::setApplicationNames();
    if (setupFonts)
        setupFonts();

    std::vector<Person> people;
    zuv::core::Table names(QStringLiteral("CDSNamensliste"));
    const QString nameFile = zuv::core::userDataPath(QStringLiteral("Namensliste"));
    if (!line.importNames.isEmpty())
        return importNames(line.importNames, names, nameFile, out, err);
    if (QFileInfo(nameFile).isFile()) {
        try {
            names.setFileName(nameFile);
            names.loadFromFile();
            people = peopleOf(names);
        } catch (const std::exception&) {
            err << QStringLiteral("Warnung: Die Namensliste kann nicht gelesen werden; der "
                                  "Kalender erscheint ohne Geburtstage.\n");
        }
    }
    return runCommandLine(line, people, out, err);
}

} // namespace zuv::yearcal
