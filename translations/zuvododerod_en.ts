<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Astronomy</name>
    <message>
        <source>Neumond</source>
        <translation>New moon</translation>
    </message>
    <message>
        <source>Erstes Viertel</source>
        <translation>First quarter</translation>
    </message>
    <message>
        <source>Vollmond</source>
        <translation>Full moon</translation>
    </message>
    <message>
        <source>Letztes Viertel</source>
        <translation>Last quarter</translation>
    </message>
</context>
<context>
    <name>Biorhythm</name>
    <message>
        <source>Körperlich</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Geistig</source>
        <translation>Intellectual</translation>
    </message>
    <message>
        <source>Intuitiv</source>
        <translation>Intuitive</translation>
    </message>
    <message>
        <source>Zuvododerod für Monat %1 %2 ( %3 )</source>
        <translation>Zuvododerod for %1 %2 ( %3 )</translation>
    </message>
    <message>
        <source>Tage im Monat %1 %2</source>
        <translation>Days in %1 %2</translation>
    </message>
    <message>
        <source>Geben Sie ein Geburtsdatum ein.</source>
        <translation>Please enter a date of birth.</translation>
    </message>
    <message>
        <source>Datum liegt vor der Geburt</source>
        <translation>Date lies before the birth</translation>
    </message>
    <message>
        <source>Kein Geburtsdatum</source>
        <translation>No date of birth</translation>
    </message>
    <message>
        <source>körperlich</source>
        <translation>physical</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>emotional</translation>
    </message>
    <message>
        <source>geistig</source>
        <translation>intellectual</translation>
    </message>
    <message>
        <source>intuitiv</source>
        <translation>intuitive</translation>
    </message>
    <message>
        <source>Kritische Tage von %1: %2</source>
        <translation>Critical days of %1: %2</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Seele</source>
        <translation>Soul</translation>
    </message>
    <message>
        <source>Geist</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>Das Tagesfeld zeigt nur Daten vom %1 bis %2; der %3 liegt außerhalb.</source>
        <translation>The day field only shows dates from %1 to %2; %3 lies outside.</translation>
    </message>
    <message>
        <source>Datum überschreitet das Maximum von %1</source>
        <translation>Date is after the latest allowed date, %1</translation>
    </message>
    <message>
        <source>Datum unterschreitet das Minimum von %1</source>
        <translation>Date is before the earliest allowed date, %1</translation>
    </message>
    <message>
        <source>Leistungsfähigkeit in %</source>
        <translation>Performance in %</translation>
    </message>
</context>
<context>
    <name>ChartDescription</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>keine Nulldurchgänge</source>
        <translation>no zero crossings</translation>
    </message>
    <message>
        <source>zwischen %1 und %2</source>
        <translation>between %1 and %2</translation>
    </message>
    <message>
        <source>am %1</source>
        <translation>on %1</translation>
    </message>
    <message>
        <source>Nulldurchgänge %1</source>
        <translation>zero crossings %1</translation>
    </message>
    <message>
        <source>Noch keine Werte.</source>
        <translation>No values yet.</translation>
    </message>
    <message>
        <source>Am %1: %2</source>
        <translation>On %1: %2</translation>
    </message>
    <message>
        <source>%1: höchster Wert %2 am %3, tiefster Wert %4 am %5, %6</source>
        <translation>%1: highest value %2 on %3, lowest value %4 on %5, %6</translation>
    </message>
    <message>
        <source>Tagesform: kein Tag des Monats gewählt.</source>
        <translation>Day form: no day of the month chosen.</translation>
    </message>
    <message>
        <source>Tagesform am %1: %2.</source>
        <translation>Day form on %1: %2.</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>So</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>We</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source> &quot;Heute ist &quot;dddd&quot;, der &quot;d.mmmm yyyy&quot;</source>
        <translation> &quot;Today is &quot;dddd&quot;, &quot;d mmmm yyyy</translation>
    </message>
    <message>
        <source>Jänner</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Feber</source>
        <translation>February</translation>
    </message>
</context>
<context>
    <name>DayMarks</name>
    <message>
        <source>Ungültiges Datum: Monat %1 im Jahr %2</source>
        <translation>Invalid date: month %1 of the year %2</translation>
    </message>
    <message>
        <source>Unbekannte Region: %1</source>
        <translation>Unknown region: %1</translation>
    </message>
    <message>
        <source>Unbekannte zweite Region „%1“. Möglich sind die Kürzel der deutschen und österreichischen Bundesländer, z. B. BY, SN, W, T.</source>
        <translation>Unknown second region “%1”. Use the code of a German or Austrian state, for example BY, SN, W, T.</translation>
    </message>
    <message>
        <source>Die zweite Region „%1“ ist dieselbe wie die erste. Wählen Sie eine andere Region.</source>
        <translation>The second region “%1” is the same as the first. Please choose a different region.</translation>
    </message>
    <message>
        <source>Mondphasen: %1</source>
        <translation>Moon phases: %1</translation>
    </message>
    <message>
        <source>Brückentage: %1</source>
        <translation>Bridge days: %1</translation>
    </message>
    <message>
        <source>Feiertage in %1: %2</source>
        <translation>Holidays in %1: %2</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Termine: %1</source>
        <translation>Appointments: %1</translation>
    </message>
    <message>
        <source>hat ein ungültiges Ende (DTEND)</source>
        <translation>has an invalid end (DTEND)</translation>
    </message>
    <message>
        <source>endet vor seinem Beginn</source>
        <translation>ends before it begins</translation>
    </message>
    <message>
        <source>hat keinen Beginn (DTSTART)</source>
        <translation>has no start (DTSTART)</translation>
    </message>
    <message>
        <source>hat einen ungültigen Beginn (DTSTART)</source>
        <translation>has an invalid start (DTSTART)</translation>
    </message>
    <message>
        <source>Die Zeitzone „%1“ ist unbekannt; die Zeit gilt als Ortszeit.</source>
        <translation>The time zone “%1” is unknown; the time is taken as local time.</translation>
    </message>
    <message>
        <source>(ohne Titel)</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>hat eine ungültige Wiederholungsregel (RRULE)</source>
        <translation>has an invalid recurrence rule (RRULE)</translation>
    </message>
    <message>
        <source>hat eine Wiederholungsregel (RRULE), die nicht zu seinem Beginn passt</source>
        <translation>has a recurrence rule (RRULE) that does not match its start</translation>
    </message>
    <message>
        <source>Die Wiederholung ist zu dicht; nach %1 Schritten abgebrochen.</source>
        <translation>The recurrence is too dense; stopped after %1 steps.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kalenderdatei (iCalendar): sie beginnt nicht mit BEGIN:VCALENDAR.</source>
        <translation>The file is not a calendar file (iCalendar): it does not start with BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>Der Termin endet nicht (END:VEVENT fehlt); er fehlt im Kalender.</source>
        <translation>The appointment does not end (END:VEVENT is missing); it is left out of the calendar.</translation>
    </message>
    <message>
        <source>Der Termin kann nicht gelesen werden; er fehlt im Kalender.</source>
        <translation>The appointment cannot be read; it is left out of the calendar.</translation>
    </message>
    <message>
        <source>Der Termin „%1“ hat einen ungültigen Wert bei %2; er fehlt im Kalender.</source>
        <translation>The appointment “%1” has an invalid value in %2; it is left out of the calendar.</translation>
    </message>
    <message>
        <source>Der Termin „%1“ %2; er fehlt im Kalender.</source>
        <translation>The appointment “%1” %2; it is left out of the calendar.</translation>
    </message>
    <message>
        <source>Die Kalenderdatei „%1“ kann nicht geschrieben werden: %2</source>
        <translation>The calendar file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>wird hinzugefügt</source>
        <translation>will be added</translation>
    </message>
    <message>
        <source>schon vorhanden</source>
        <translation>already there</translation>
    </message>
    <message>
        <source>ohne Geburtsjahr übersprungen</source>
        <translation>skipped, no year of birth</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source> (Name gekürzt)</source>
        <translation> (name shortened)</translation>
    </message>
    <message>
        <source>%1 Name neu</source>
        <translation>%1 new name</translation>
    </message>
    <message>
        <source>%1 Namen neu</source>
        <translation>%1 new names</translation>
    </message>
    <message>
        <source>%1 schon vorhanden</source>
        <translation>%1 already there</translation>
    </message>
    <message>
        <source>%1 ohne Geburtsjahr übersprungen</source>
        <translation>%1 skipped without a year of birth</translation>
    </message>
    <message>
        <source>%1 nicht lesbar</source>
        <translation>%1 unreadable</translation>
    </message>
    <message>
        <source>%1 ohne Geburtstag</source>
        <translation>%1 without a birthday</translation>
    </message>
    <message>
        <source>%1 ist am %2 geboren.</source>
        <translation>%1 was born on %2.</translation>
    </message>
    <message>
        <source>%1 wird am %2 %3 Jahr alt (geboren am %4).</source>
        <translation>%1 turns %3 year old on %2 (born on %4).</translation>
    </message>
    <message>
        <source>%1 wird am %2 %3 Jahre alt (geboren am %4).</source>
        <translation>%1 turns %3 years old on %2 (born on %4).</translation>
    </message>
    <message>
        <source>Unbekannte Region: %1</source>
        <translation>Unknown region: %1</translation>
    </message>
    <message>
        <source>Das Jahr %1 liegt nicht zwischen 1 und 9999.</source>
        <translation>The year %1 is not between 1 and 9999.</translation>
    </message>
    <message>
        <source>Feiertag</source>
        <translation>Holiday</translation>
    </message>
    <message>
        <source>Geburtstag: %1</source>
        <translation>Birthday: %1</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Birthday</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Die Tabelle(n) %1 aus &quot;%2&quot; konnten nicht nach &quot;%3&quot; übernommen werden. Beim nächsten Start wird es erneut versucht.</source>
        <translation>The table(s) %1 from &quot;%2&quot; could not be copied to &quot;%3&quot;. The program tries again at the next start.</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2.</source>
        <translation>The file &quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>sie ist leer</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>sie enthält keinen RTF-Text</source>
        <translation>it contains no RTF text</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>kein normaler Datei-Typ</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>beschädigt</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>read error</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h2&gt;Hilfe nicht verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei wurde nicht gefunden:&lt;/p&gt;&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Sie gehört in den Ordner &lt;b&gt;BioHelp&lt;/b&gt; neben dem Programm. Bitte installieren Sie das Programm vollständig.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help not available&lt;/h2&gt;&lt;p&gt;The help file was not found:&lt;/p&gt;&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;It belongs in the folder &lt;b&gt;BioHelp&lt;/b&gt; next to the program. Please install the whole program.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>NameImport</name>
    <message>
        <source>Namen einlesen</source>
        <translation>Import names</translation>
    </message>
    <message>
        <source>Kontakte (*.vcf *.vcard *.csv *.txt)</source>
        <translation>Contacts (*.vcf *.vcard *.csv *.txt)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>Die Datei „%1“ ist weder eine vCard-Datei noch eine CSV-Datei mit Spalten für Name und Geburtstag.</source>
        <translation>The file “%1” is neither a vCard file nor a CSV file with columns for name and birthday.</translation>
    </message>
    <message>
        <source>Die Namensliste konnte nicht gespeichert werden.
%1</source>
        <translation>The name list could not be saved.
%1</translation>
    </message>
    <message>
        <source>Der Name wurde nach %1 Zeichen abgeschnitten.</source>
        <translation>The name was cut off after %1 characters.</translation>
    </message>
    <message>
        <source>Geburtstage: %1</source>
        <translation>Birthdays: %1</translation>
    </message>
    <message>
        <source>Ungültiges Geburtsdatum</source>
        <translation>Invalid date of birth</translation>
    </message>
    <message>
        <source>Kein Sternzeichen für %1</source>
        <translation>No zodiac sign for %1</translation>
    </message>
    <message>
        <source>Die Datei enthält kein Bild in einem bekannten Format (falscher Dateityp).</source>
        <translation>The file contains no picture in a known format (wrong file type).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder abgeschnitten.</source>
        <translation>The file is damaged or cut off.</translation>
    </message>
    <message>
        <source>Das Bild &quot;%1&quot; kann nicht geladen werden:
%2</source>
        <translation>The picture &quot;%1&quot; cannot be loaded:
%2</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>Unbekanntes Bundesland: %1</source>
        <translation>Unknown state: %1</translation>
    </message>
    <message>
        <source>Die Schnittmarken-Angaben der PDF-Datei können nicht gesetzt werden:
%1</source>
        <translation>The crop-mark boxes of the PDF file cannot be set:
%1</translation>
    </message>
    <message>
        <source>Die PDF-Datei &quot;%1&quot; kann nicht geschrieben werden:
%2</source>
        <translation>The PDF file &quot;%1&quot; cannot be written:
%2</translation>
    </message>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>That is a folder.</translation>
    </message>
    <message>
        <source>Die PDF-Ausgabe kann nicht begonnen werden.</source>
        <translation>The PDF output cannot be started.</translation>
    </message>
    <message>
        <source>KW</source>
        <translation>Wk</translation>
    </message>
    <message>
        <source>Für „Mit Zuvododerod“ fehlt das Geburtsdatum.
Geben Sie ein Geburtsdatum ein.</source>
        <translation>“With Zuvododerod” needs a date of birth.
Please enter a date of birth.</translation>
    </message>
    <message>
        <source>„%1“ ist kein gültiges Geburtsdatum.
Geben Sie das Datum als TT.MM.JJJJ ein.</source>
        <translation>“%1” is not a valid date of birth.
Please enter the date as DD.MM.YYYY.</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar </source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Ungültiges Datum: Monat %1 im Jahr %2</source>
        <translation>Invalid date: month %1 of the year %2</translation>
    </message>
    <message>
        <source>Unbekannte Region: %1</source>
        <translation>Unknown region: %1</translation>
    </message>
    <message>
        <source>Feiertage in %1: %2</source>
        <translation>Holidays in %1: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Die Datei ist abgeschnitten: schon ihr Dateikopf ist unvollständig.</source>
        <translation>The file is cut off: even its header is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: ihre Bilddaten fehlen ganz.</source>
        <translation>The file is cut off: its picture data is missing entirely.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: es fehlen %1 von %2 Bildzeilen.</source>
        <translation>The file is cut off: %1 of %2 picture rows are missing.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: es fehlen %1 Bytes der Bilddaten.</source>
        <translation>The file is cut off: %1 bytes of the picture data are missing.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: die Bilddaten enden vor ihrem Schlusszeichen.</source>
        <translation>The file is cut off: the picture data ends before its end marker.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Symboldatei (falscher Dateityp).</source>
        <translation>The file is not an icon file (wrong file type).</translation>
    </message>
    <message>
        <source>Die Symboldatei enthält kein Bild.</source>
        <translation>The icon file contains no picture.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: ihr Bildverzeichnis ist unvollständig.</source>
        <translation>The file is cut off: its picture directory is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei ist abgeschnitten: Bild %1 von %2 reicht über das Dateiende hinaus.</source>
        <translation>The file is cut off: picture %1 of %2 runs past the end of the file.</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Einpassen</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Verzerren</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Der Bildausschnitt (%1 / %2) liegt außerhalb des Bildes: erlaubt sind Werte von 0 bis 1 (0 links oder oben, 1 rechts oder unten).</source>
        <translation>The picture section (%1 / %2) lies outside the picture: values from 0 to 1 are allowed (0 left or top, 1 right or bottom).</translation>
    </message>
    <message>
        <source>%1, Bild %2: %3 ppi, wird unscharf</source>
        <translation>%1, picture %2: %3 ppi, will look blurred</translation>
    </message>
    <message>
        <source>Die Bildgröße kann nicht gelesen werden.</source>
        <translation>The picture size cannot be read.</translation>
    </message>
    <message>
        <source>JPEG-Bilder</source>
        <translation>JPEG images</translation>
    </message>
    <message>
        <source>ein JPEG-Bild</source>
        <translation>a JPEG image</translation>
    </message>
    <message>
        <source>kein gültiges JPEG-Bild</source>
        <translation>no valid JPEG image</translation>
    </message>
    <message>
        <source>PNG-Bilder</source>
        <translation>PNG images</translation>
    </message>
    <message>
        <source>ein PNG-Bild</source>
        <translation>a PNG image</translation>
    </message>
    <message>
        <source>kein gültiges PNG-Bild</source>
        <translation>no valid PNG image</translation>
    </message>
    <message>
        <source>TIFF-Bilder</source>
        <translation>TIFF images</translation>
    </message>
    <message>
        <source>ein TIFF-Bild</source>
        <translation>a TIFF image</translation>
    </message>
    <message>
        <source>kein gültiges TIFF-Bild</source>
        <translation>no valid TIFF image</translation>
    </message>
    <message>
        <source>WebP-Bilder</source>
        <translation>WebP images</translation>
    </message>
    <message>
        <source>ein WebP-Bild</source>
        <translation>a WebP image</translation>
    </message>
    <message>
        <source>kein gültiges WebP-Bild</source>
        <translation>no valid WebP image</translation>
    </message>
    <message>
        <source>GIF-Bilder</source>
        <translation>GIF images</translation>
    </message>
    <message>
        <source>ein GIF-Bild</source>
        <translation>a GIF image</translation>
    </message>
    <message>
        <source>kein gültiges GIF-Bild</source>
        <translation>no valid GIF image</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>eine Windows-Bitmap</source>
        <translation>a Windows bitmap</translation>
    </message>
    <message>
        <source>keine gültige Windows-Bitmap</source>
        <translation>no valid Windows bitmap</translation>
    </message>
    <message>
        <source>Symbole</source>
        <translation>Icons</translation>
    </message>
    <message>
        <source>ein Symbol</source>
        <translation>an icon</translation>
    </message>
    <message>
        <source>kein gültiges Symbol</source>
        <translation>no valid icon</translation>
    </message>
    <message>
        <source>Erweiterte Metadateien</source>
        <translation>Enhanced metafiles</translation>
    </message>
    <message>
        <source>eine erweiterte Metadatei</source>
        <translation>an enhanced metafile</translation>
    </message>
    <message>
        <source>keine gültige erweiterte Metadatei</source>
        <translation>no valid enhanced metafile</translation>
    </message>
    <message>
        <source>Metadateien</source>
        <translation>Metafiles</translation>
    </message>
    <message>
        <source>eine Metadatei</source>
        <translation>a metafile</translation>
    </message>
    <message>
        <source>keine gültige Metadatei</source>
        <translation>no valid metafile</translation>
    </message>
    <message>
        <source>Alle Bilder (%1)</source>
        <translation>All pictures (%1)</translation>
    </message>
    <message>
        <source>eine SVG-Zeichnung</source>
        <translation>an SVG drawing</translation>
    </message>
    <message>
        <source>ein Bild im Format %1</source>
        <translation>a picture in the %1 format</translation>
    </message>
    <message>
        <source>Das Bildformat wird nicht unterstützt (falscher Dateityp).</source>
        <translation>The picture format is not supported (wrong file type).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (Lesefehler).</source>
        <translation>The file cannot be read (read error).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: die Bilddaten lassen sich nicht lesen.</source>
        <translation>The file is damaged: the picture data cannot be read.</translation>
    </message>
    <message>
        <source>Das Bild &quot;%1&quot; kann nicht geladen werden:
%2</source>
        <translation>The picture &quot;%1&quot; cannot be loaded:
%2</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden.</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>Keine Berechtigung: die Datei darf nicht gelesen werden.</source>
        <translation>Permission denied: the file may not be read.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Bilddatei.</source>
        <translation>That is a folder, not a picture file.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei (sondern z. B. ein Gerät oder eine Pipe).</source>
        <translation>That is not a regular file (but, for example, a device or a pipe).</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (%1 MB, höchstens %2 MB).</source>
        <translation>The file is too large (%1 MB, at most %2 MB).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>Falscher Dateityp: unbekannte Dateierweiterung &quot;%1&quot;. Möglich sind %2.</source>
        <translation>Wrong file type: unknown file extension &quot;%1&quot;. Possible are %2.</translation>
    </message>
    <message>
        <source>Bilder im Format %1 kann dieses System nicht lesen: das Qt-Bildmodul dafür fehlt (Paket qt6-image-formats-plugins).</source>
        <translation>This system cannot read pictures in the %1 format: the Qt image plugin for it is missing (package qt6-image-formats-plugins).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 (falscher Dateityp oder beschädigt).</source>
        <translation>The file contains %1 (wrong file type or damaged).</translation>
    </message>
    <message>
        <source>Die Datei enthält %1, erwartet wird aber %2 (falscher Dateityp).</source>
        <translation>The file contains %1, but %2 was expected (wrong file type).</translation>
    </message>
    <message>
        <source>Die Symboldatei ist beschädigt: ihr größtes Bild fehlt.</source>
        <translation>The icon file is damaged: its largest picture is missing.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (%1 × %2 Bildpunkte).</source>
        <translation>The picture is too large (%1 × %2 pixels).</translation>
    </message>
    <message>
        <source>Die Zeichnung ist beschädigt und kann nicht gelesen werden.</source>
        <translation>The drawing is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Die Zeichnung ist leer.</source>
        <translation>The drawing is empty.</translation>
    </message>
    <message>
        <source>Für die Zeichnung ist nicht genug Speicher frei.</source>
        <translation>There is not enough free memory for the drawing.</translation>
    </message>
    <message>
        <source>Das Umwandlungsprogramm für Metadateien (%1) kann nicht gestartet werden.</source>
        <translation>The metafile converter (%1) cannot be started.</translation>
    </message>
    <message>
        <source>Die Umwandlung der Metadatei dauert zu lange und wurde abgebrochen.</source>
        <translation>Converting the metafile takes too long and was stopped.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt: die Umwandlung ist abgestürzt.</source>
        <translation>The metafile is damaged: the conversion crashed.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht umgewandelt werden.</source>
        <translation>The metafile cannot be converted.</translation>
    </message>
    <message>
        <source>Die Zeichnung ist beschädigt oder leer.</source>
        <translation>The drawing is damaged or empty.</translation>
    </message>
    <message>
        <source>oben links</source>
        <translation>top left</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>oben rechts</source>
        <translation>top right</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>unten links</source>
        <translation>bottom left</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>unten rechts</source>
        <translation>bottom right</translation>
    </message>
    <message>
        <source>Die Datei ist keine gültige erweiterte Metadatei (EMF).</source>
        <translation>The file is not a valid enhanced metafile (EMF).</translation>
    </message>
    <message>
        <source>Die Datei ist keine gültige Metadatei (WMF).</source>
        <translation>The file is not a valid metafile (WMF).</translation>
    </message>
    <message>
        <source>Die Metadatei ist zu groß.</source>
        <translation>The metafile is too large.</translation>
    </message>
    <message>
        <source>Die Metadatei ist zu aufwendig: ihre Umwandlung braucht mehr Rechenzeit als erlaubt. Die Datei ist nicht beschädigt; speichern Sie die Zeichnung einfacher oder als JPEG oder PNG.</source>
        <translation>The metafile is too elaborate: converting it takes more processor time than allowed. The file is not damaged; save the drawing more simply or as JPEG or PNG.</translation>
    </message>
    <message>
        <source>Die erweiterte Metadatei (EMF) ist beschädigt: ihre Einträge passen nicht in die Datei.</source>
        <translation>The enhanced metafile (EMF) is damaged: its records do not fit into the file.</translation>
    </message>
    <message>
        <source>Die erweiterte Metadatei (EMF) ist beschädigt und kann nicht gelesen werden.</source>
        <translation>The enhanced metafile (EMF) is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Die erweiterte Metadatei (EMF) gibt unsinnige Abmessungen an; sie wird nicht gezeichnet.</source>
        <translation>The enhanced metafile (EMF) gives absurd dimensions; it is not drawn.</translation>
    </message>
    <message>
        <source>Metadateien (WMF) können nicht gelesen werden.</source>
        <translation>Metafiles (WMF) cannot be read.</translation>
    </message>
    <message>
        <source>Die Metadatei (WMF) ist beschädigt und kann nicht gelesen werden.</source>
        <translation>The metafile (WMF) is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Die Metadatei ergibt eine zu große Zeichnung (%1 MB, höchstens %2 MB).</source>
        <translation>The metafile gives too large a drawing (%1 MB, at most %2 MB).</translation>
    </message>
    <message>
        <source>Die erweiterte Metadatei (EMF) gibt unsinnige Abmessungen an (%1 × %2 Bildpunkte); sie wird nicht gezeichnet.</source>
        <translation>The enhanced metafile (EMF) gives absurd dimensions (%1 × %2 pixels); it is not drawn.</translation>
    </message>
    <message>
        <source>Die Metadatei (WMF) gibt unsinnige Abmessungen an (%1 × %2 Bildpunkte); sie wird nicht gezeichnet.</source>
        <translation>The metafile (WMF) gives absurd dimensions (%1 × %2 pixels); it is not drawn.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Drucker auswählen</source>
        <translation>Select printer</translation>
    </message>
    <message>
        <source>Druck in PDF-Datei speichern</source>
        <translation>Save print to PDF file</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Gedruckt auf „%1“</source>
        <translation>Printed on “%1”</translation>
    </message>
    <message>
        <source>Der Drucker nimmt keine Aufträge an: Er ist ausgeschaltet, angehalten oder nicht erreichbar.</source>
        <translation>The printer does not accept jobs: it is switched off, paused or out of reach.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1“ ist ein Ordner, keine Datei.</source>
        <translation>“%1” is a folder, not a file.</translation>
    </message>
    <message>
        <source>Für „%1“ fehlt die Schreibberechtigung.</source>
        <translation>There is no permission to write “%1”.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht angelegt werden.</source>
        <translation>The file “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker verfügbar. Bitte richten Sie einen Drucker ein und wählen Sie ihn unter „Datei“ &gt; „Drucker auswählen“ aus.</source>
        <translation>No printer is available. Please set up a printer and choose it under “File” &gt; “Select printer”.</translation>
    </message>
    <message>
        <source>Der Druckauftrag „%1“ konnte auf dem Drucker „%2“ nicht gestartet werden.
%3</source>
        <translation>The print job “%1” could not be started on the printer “%2”.
%3</translation>
    </message>
    <message>
        <source>Der Druckauftrag „%1“ ist fehlgeschlagen.</source>
        <translation>The print job “%1” failed.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Die Einstellungsdatei „%1“ ist ein Ordner. Es gelten die Standardwerte.</source>
        <translation>The settings file “%1” is a folder. The defaults apply.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei „%1“ ist nicht lesbar. Es gelten die Standardwerte.</source>
        <translation>The settings file “%1” cannot be read. The defaults apply.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei „%1“ ist beschädigt. Es gelten die Standardwerte.</source>
        <translation>The settings file “%1” is damaged. The defaults apply.</translation>
    </message>
    <message>
        <source>Die alte Datei bleibt als „%1“ erhalten.</source>
        <translation>The old file is kept as “%1”.</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>die Datei ist keine Tabellendatei</source>
        <translation>the file is not a table file</translation>
    </message>
    <message>
        <source>die Datei ist von einem anderen Programm gesperrt</source>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <source>die Datei ist gesperrt</source>
        <translation>the file is locked</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>die Datei hat fremde Regeln</source>
        <translation>the file has foreign rules</translation>
    </message>
    <message>
        <source>die Datei fehlt</source>
        <translation>the file is missing</translation>
    </message>
    <message>
        <source>die Verknüpfung führt ins Leere</source>
        <translation>the link leads nowhere</translation>
    </message>
    <message>
        <source>kein normaler Datei-Typ</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keine normale Datei</source>
        <translation>&apos;%1&apos; is not a regular file</translation>
    </message>
    <message>
        <source>die Datei enthält fremde Objekte (%1 %2)</source>
        <translation>the file contains foreign objects (%1 %2)</translation>
    </message>
    <message>
        <source>der Aufbau der Datei ist unvollständig</source>
        <translation>the structure of the file is incomplete</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiges Datum.</source>
        <translation>&apos;%1&apos; is not a valid date.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keine gültige Zahl.</source>
        <translation>&apos;%1&apos; is not a valid number.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keine gültige ganze Zahl.</source>
        <translation>&apos;%1&apos; is not a valid whole number.</translation>
    </message>
    <message>
        <source>Das Feld &apos;%1&apos; kann nicht angelegt werden.</source>
        <translation>The field &apos;%1&apos; cannot be created.</translation>
    </message>
    <message>
        <source>Das Textfeld &apos;%1&apos; braucht eine Länge von 1 bis %2 Zeichen.</source>
        <translation>The text field &apos;%1&apos; needs a length of 1 to %2 characters.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; hat keine Felder.</source>
        <translation>The table &apos;%1&apos; has no fields.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; ist nicht geöffnet.</source>
        <translation>The table &apos;%1&apos; is not open.</translation>
    </message>
    <message>
        <source>Die Felder der geöffneten Tabelle &apos;%1&apos; sind nicht änderbar.</source>
        <translation>The fields of the open table &apos;%1&apos; cannot be changed.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; hat kein Feld Nr. %2.</source>
        <translation>The table &apos;%1&apos; has no field number %2.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; hat kein Feld &apos;%2&apos;.</source>
        <translation>The table &apos;%1&apos; has no field &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; ist nicht im Bearbeitungsmodus.</source>
        <translation>The table &apos;%1&apos; is not in edit mode.</translation>
    </message>
    <message>
        <source>Der Text ist zu lang (höchstens %1 Zeichen).</source>
        <translation>The text is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; hat keine Zeile %2.</source>
        <translation>The table &apos;%1&apos; has no row %2.</translation>
    </message>
    <message>
        <source>zu viele Felder</source>
        <translation>too many fields</translation>
    </message>
    <message>
        <source>Felddefinition %1 ist ungültig</source>
        <translation>field definition %1 is invalid</translation>
    </message>
    <message>
        <source>unbekannter Feldtyp &apos;%1&apos;</source>
        <translation>unknown field type &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Feld &apos;%1&apos; hat eine ungültige Größe</source>
        <translation>field &apos;%1&apos; has an invalid size</translation>
    </message>
    <message>
        <source>Feldname %1 ist ungültig</source>
        <translation>field name %1 is invalid</translation>
    </message>
    <message>
        <source>Feld &apos;%1&apos; doppelt</source>
        <translation>field &apos;%1&apos; appears twice</translation>
    </message>
    <message>
        <source>keine Felder</source>
        <translation>no fields</translation>
    </message>
    <message>
        <source>die Datei ist leer oder wird gerade angelegt</source>
        <translation>the file is empty or is being created</translation>
    </message>
    <message>
        <source>keine Tabelle dieses Programms</source>
        <translation>not a table of this program</translation>
    </message>
    <message>
        <source>meta_fields fehlt</source>
        <translation>meta_fields is missing</translation>
    </message>
    <message>
        <source>falsche Spaltenzahl</source>
        <translation>wrong number of columns</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt (%1)</source>
        <translation>the file is damaged (%1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht ersetzt werden.</source>
        <translation>&apos;%1&apos; cannot be replaced.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht angelegt werden (%2)</source>
        <translation>&apos;%1&apos; cannot be created (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht beiseitegelegt werden.</source>
        <translation>&apos;%1&apos; cannot be set aside.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht kopiert werden.</source>
        <translation>&apos;%1&apos; cannot be copied.</translation>
    </message>
    <message>
        <source>Die Tabellendatei &quot;%1&quot; kann nicht geöffnet werden.
%2
Die Datei bleibt unverändert; Änderungen an dieser Tabelle werden in dieser Sitzung nicht gespeichert.</source>
        <translation>The table file &quot;%1&quot; cannot be opened.
%2
The file is left unchanged; changes to this table are not saved in this session.</translation>
    </message>
    <message>
        <source>In der Tabellendatei &quot;%1&quot; konnten %2 Zeile(n) nicht gelesen werden; die übrigen Zeilen sind geladen.</source>
        <translation>%2 row(s) of the table file &quot;%1&quot; could not be read; the other rows are loaded.</translation>
    </message>
    <message>
        <source>
Eine unveränderte Kopie der Datei liegt in &quot;%1&quot;.</source>
        <translation>
An unchanged copy of the file is in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>die Datei hat andere Felder</source>
        <translation>the file has different fields</translation>
    </message>
    <message>
        <source>Die beschädigte Tabellendatei &quot;%1&quot; kann nicht beiseitegelegt werden: %2
Sie bleibt unverändert; Änderungen an dieser Tabelle werden in dieser Sitzung nicht gespeichert.</source>
        <translation>The damaged table file &quot;%1&quot; cannot be set aside: %2
It is left unchanged; changes to this table are not saved in this session.</translation>
    </message>
    <message>
        <source>Die Tabellendatei &quot;%1&quot; ist beschädigt oder stammt nicht von diesem Programm (%2).
Sie wurde unverändert als &quot;%3&quot; beiseitegelegt; eine neue, leere Tabelle wurde angelegt.</source>
        <translation>The table file &quot;%1&quot; is damaged or does not come from this program (%2).
It was set aside unchanged as &quot;%3&quot;; a new, empty table was created.</translation>
    </message>
    <message>
        <source>Die Tabelle &apos;%1&apos; hat keinen Dateinamen.</source>
        <translation>The table &apos;%1&apos; has no file name.</translation>
    </message>
    <message>
        <source>Die Tabellendatei &apos;%1&apos; ist nicht lesbar: %2</source>
        <translation>The table file &apos;%1&apos; cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Tabellendatei &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>The table file &apos;%1&apos; cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>YearCalendar</name>
    <message>
        <source>%1 ist am %2 geboren: das ganze Jahr %3 erscheint ohne Biorhythmus und kritische Tage.</source>
        <translation>%1 was born on %2: the whole year %3 appears without biorhythm and critical days.</translation>
    </message>
    <message>
        <source>%1 ist am %2 geboren: Januar %3 erscheint ohne Biorhythmus und kritische Tage.</source>
        <translation>%1 was born on %2: January %3 appears without biorhythm and critical days.</translation>
    </message>
    <message>
        <source>%1 ist am %2 geboren: Januar bis %3 %4 erscheinen ohne Biorhythmus und kritische Tage.</source>
        <translation>%1 was born on %2: January to %3 %4 appear without biorhythm and critical days.</translation>
    </message>
    <message>
        <source>Geburtstagskalender</source>
        <translation>Birthday calendar</translation>
    </message>
    <message>
        <source>Geburtstagskalender als PDF speichern</source>
        <translation>Save birthday calendar as PDF</translation>
    </message>
    <message>
        <source>Titelseite</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Diese Bilder fehlen im Kalender:

</source>
        <translation>These pictures are missing from the calendar:

</translation>
    </message>
    <message>
        <source>Kritischer Tag: %1 (%2)</source>
        <translation>Critical day: %1 (%2)</translation>
    </message>
    <message>
        <source>Kritischer Tag</source>
        <translation>Critical day</translation>
    </message>
    <message>
        <source>Fehler: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>Fehler: Die Namensliste kann nicht geschrieben werden; nichts wurde eingelesen: </source>
        <translation>Error: The name list cannot be written; nothing was imported: </translation>
    </message>
    <message>
        <source>Namen eingelesen: </source>
        <translation>Names imported: </translation>
    </message>
    <message>
        <source>Das Jahr %1 liegt nicht zwischen 1 und 9999.</source>
        <translation>The year %1 is not between 1 and 9999.</translation>
    </message>
    <message>
        <source>Unbekannte Region &quot;%1&quot;.</source>
        <translation>Unknown region &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Feiertage: %1</source>
        <translation>Holidays: %1</translation>
    </message>
    <message>
        <source>unbekannte Bildanpassung &quot;%1&quot;.</source>
        <translation>unknown picture fit &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>unbekanntes Papierformat &quot;%1&quot;.</source>
        <translation>unknown paper size &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Bildanpassung &quot;%1&quot; gibt es nicht: erlaubt sind zuschneiden, einpassen und verzerren.</source>
        <translation>There is no picture fit &quot;%1&quot;: allowed are zuschneiden (crop), einpassen (fit) and verzerren (stretch).</translation>
    </message>
    <message>
        <source>Das Papierformat &quot;%1&quot; gibt es nicht: erlaubt sind A4, A3 und A5.</source>
        <translation>There is no paper size &quot;%1&quot;: allowed are A4, A3 and A5.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Jahreskalender-Projekt.</source>
        <translation>The file is not a year calendar project.</translation>
    </message>
    <message>
        <source>Das Jahreskalender-Projekt ist beschädigt: %1</source>
        <translation>The year calendar project is damaged: %1</translation>
    </message>
    <message>
        <source>das Jahr fehlt oder liegt nicht zwischen 1 und 9999.</source>
        <translation>the year is missing or not between 1 and 9999.</translation>
    </message>
    <message>
        <source>unbekannte Region &quot;%1&quot;.</source>
        <translation>unknown region &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>die Bilderliste muss zwölf Monate haben.</source>
        <translation>the picture list must have twelve months.</translation>
    </message>
    <message>
        <source>mehr als drei Bilder im Monat %1.</source>
        <translation>more than three pictures in month %1.</translation>
    </message>
    <message>
        <source>die Person &quot;%1&quot; hat kein gültiges Geburtsdatum.</source>
        <translation>the person &quot;%1&quot; has no valid date of birth.</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; wurde nicht gefunden.</source>
        <translation>The project &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine gewöhnliche Datei.</source>
        <translation>&quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; kann nicht gelesen werden: %2</source>
        <translation>The project &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist zu groß für ein Jahreskalender-Projekt.</source>
        <translation>&quot;%1&quot; is too large for a year calendar project.</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; kann nicht angelegt werden.</source>
        <translation>The folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>Das Projekt kann nicht gespeichert werden (%1): %2</source>
        <translation>The project cannot be saved (%1): %2</translation>
    </message>
    <message>
        <source>Der Bilderordner &quot;%1&quot; wurde nicht gefunden.</source>
        <translation>The picture folder &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Der Bilderordner &quot;%1&quot; kann nicht gelesen werden.</source>
        <translation>The picture folder &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Titelseite %1</source>
        <translation>Cover %1</translation>
    </message>
    <message>
        <source>Jahreskalender %1</source>
        <translation>Year calendar %1</translation>
    </message>
    <message>
        <source>Ein Kalender ab %1 %2 reicht über das Jahr 9999 hinaus.</source>
        <translation>A calendar from %1 %2 reaches beyond the year 9999.</translation>
    </message>
    <message>
        <source>Der erste Monat &quot;%1&quot; ist ungültig: erlaubt sind 1 (Januar) bis 12 (Dezember).</source>
        <translation>The first month &quot;%1&quot; is invalid: allowed are 1 (January) to 12 (December).</translation>
    </message>
    <message>
        <source>immerwährend</source>
        <translation>perpetual</translation>
    </message>
    <message>
        <source>Geburtstagskalender.pdf</source>
        <translation>Birthday calendar.pdf</translation>
    </message>
</context>
<context>
    <name>YearCommandLine</name>
    <message>
        <source>JAHR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>Jahr des Kalenders (1 bis 9999)</source>
        <translation>year of the calendar (1 to 9999)</translation>
    </message>
    <message>
        <source>Das Jahr &quot;%1&quot; ist ungültig: erlaubt sind 1 bis 9999.</source>
        <translation>The year &quot;%1&quot; is invalid: allowed are 1 to 9999.</translation>
    </message>
    <message>
        <source>REGION</source>
        <translation>REGION</translation>
    </message>
    <message>
        <source>Bundesland oder Region: Kürzel (BY, NW, A, W ...) oder Name</source>
        <translation>state or region: code (BY, NW, A, W ...) or name</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Bilder aus ORDNER nach Namen sortiert, eines je Monat</source>
        <translation>pictures from FOLDER sorted by name, one per month</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>gespeichertes Jahreskalender-Projekt (statt --bilder)</source>
        <translation>saved year calendar project (instead of --bilder)</translation>
    </message>
    <message>
        <source>Zieldatei: PDF mit Titelseite und zwölf Monaten</source>
        <translation>output file: PDF with a cover and twelve months</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Biorhythmus und kritische Tage dieser Person der Namensliste</source>
        <translation>biorhythm and critical days of this person from the name list</translation>
    </message>
    <message>
        <source>keine Geburtstage der Namensliste eintragen</source>
        <translation>leave out the birthdays of the name list</translation>
    </message>
    <message>
        <source>keine kritischen Tage eintragen</source>
        <translation>leave out the critical days</translation>
    </message>
    <message>
        <source>auch den intuitiven Rhythmus bei den kritischen Tagen</source>
        <translation>include the intuitive rhythm in the critical days</translation>
    </message>
    <message>
        <source>ART</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>zuschneiden (Vorgabe), einpassen oder verzerren</source>
        <translation>zuschneiden (crop, default), einpassen (fit) or verzerren (stretch)</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>A4 (Vorgabe), A3 oder A5, hochkant</source>
        <translation>A4 (default), A3 or A5, portrait</translation>
    </message>
    <message>
        <source>für die Druckerei: 3 mm Beschnitt und Schnittmarken</source>
        <translation>for the print shop: 3 mm bleed and crop marks</translation>
    </message>
    <message>
        <source>MONAT</source>
        <translation>MONTH</translation>
    </message>
    <message>
        <source>erster Monat 1 bis 12 (8: Schuljahr August bis Juli)</source>
        <translation>first month 1 to 12 (8: school year August to July)</translation>
    </message>
    <message>
        <source>Kalenderdatei (iCalendar): Feiertage, Geburtstage, kritische Tage</source>
        <translation>calendar file (iCalendar): holidays, birthdays, critical days</translation>
    </message>
    <message>
        <source>Termine aus einer Kalenderdatei auf die Seiten (mehrfach möglich)</source>
        <translation>appointments from a calendar file onto the pages (may be repeated)</translation>
    </message>
    <message>
        <source>Namen und Geburtstage aus vCard- oder CSV-Datei übernehmen</source>
        <translation>import names and birthdays from a vCard or CSV file</translation>
    </message>
    <message>
        <source>Mondphasen in den Tagen und als Zeile unter den Feiertagen</source>
        <translation>moon phases in the days and as a line below the holidays</translation>
    </message>
    <message>
        <source>Feiertage einer zweiten Region, eigene mit Kürzel markiert</source>
        <translation>holidays of a second region, its own marked with its code</translation>
    </message>
    <message>
        <source>Brückentage markieren und auflisten</source>
        <translation>mark and list bridge days</translation>
    </message>
    <message>
        <source>immerwährender Geburtstagskalender statt Jahreskalender</source>
        <translation>perpetual birthday calendar instead of a year calendar</translation>
    </message>
    <message>
        <source>diese Hilfe (auch -h)</source>
        <translation>this help (also -h)</translation>
    </message>
    <message>
        <source>Unbekanntes Argument &quot;%1&quot;.</source>
        <translation>Unknown argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Bei %1 fehlt der Wert.</source>
        <translation>%1 is missing its value.</translation>
    </message>
    <message>
        <source>Die Argumente sind nicht lesbar.</source>
        <translation>The arguments cannot be read.</translation>
    </message>
    <message>
        <source>
Mehr mit: zuvododerod --help</source>
        <translation>
More with: zuvododerod --help</translation>
    </message>
    <message>
        <source>Unbekannte Region &quot;%1&quot;. Möglich sind: %2</source>
        <translation>Unknown region &quot;%1&quot;. Possible are: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; steht nicht in der Namensliste.</source>
        <translation>&quot;%1&quot; is not in the name list.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; hat kein Geburtsdatum.</source>
        <translation>&quot;%1&quot; has no date of birth.</translation>
    </message>
    <message>
        <source>Fehler: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>Warnung: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>Titelseite</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Geburtstagskalender mit %1 Seiten gespeichert: %2
</source>
        <translation>Birthday calendar with %1 pages saved: %2
</translation>
    </message>
    <message>
        <source>Geben Sie die Zieldatei an: --pdf DATEI.</source>
        <translation>Please give the output file: --pdf FILE.</translation>
    </message>
    <message>
        <source>Geben Sie das Jahr an: --jahreskalender JAHR.</source>
        <translation>Please give the year: --jahreskalender YEAR.</translation>
    </message>
    <message>
        <source>Geben Sie die Region an: --region REGION.</source>
        <translation>Please give the region: --region REGION.</translation>
    </message>
    <message>
        <source>Geben Sie die Zieldatei an: --pdf DATEI oder --ics DATEI.</source>
        <translation>Please give the output file: --pdf FILE or --ics FILE.</translation>
    </message>
    <message>
        <source>Aufruf: zuvododerod --jahreskalender JAHR --region REGION [--bilder ORDNER] --pdf DATEI
        zuvododerod --projekt DATEI [--jahreskalender JAHR] [--region REGION] --pdf DATEI
        zuvododerod --geburtstagskalender [--bilder ORDNER | --projekt DATEI] --pdf DATEI

Erzeugt ohne Fenster einen Jahreskalender als PDF: eine Titelseite mit dem Jahr und dem
ersten Bild des ersten Monats, dann zwölf Monate (Januar bis Dezember oder ab
--erster-monat) mit Kalenderwochen, den Feiertagen der Region und den Geburtstagen der
Namensliste.

Optionen:
</source>
        <translation>Usage: zuvododerod --jahreskalender YEAR --region REGION [--bilder FOLDER] --pdf FILE
       zuvododerod --projekt FILE [--jahreskalender YEAR] [--region REGION] --pdf FILE
       zuvododerod --geburtstagskalender [--bilder FOLDER | --projekt FILE] --pdf FILE

Makes a year calendar as a PDF without a window: a cover with the year and the first
picture of the first month, then twelve months (January to December, or from
--erster-monat on) with calendar weeks, the holidays of the region and the birthdays
of the name list.

Options:
</translation>
    </message>
    <message>
        <source>
Regionen:
</source>
        <translation>
Regions:
</translation>
    </message>
    <message>
        <source>
Ein Bild, das fehlt oder nicht gelesen werden kann, bleibt mit einer Meldung leer;
der Kalender wird trotzdem geschrieben.

Rückgabewerte:
  0  Kalender geschrieben, Namen eingelesen
  2  falsche Argumente, unbekannte oder doppelte Region, Bildanpassung oder Papier,
     ungültiges Jahr oder ungültiger erster Monat; bei --namen-einlesen: weder
     vCard noch CSV mit Name und Geburtstag
  3  Bilderordner, Projekt oder Namensdatei fehlt oder kann nicht gelesen werden
  4  die PDF-, Kalender- oder Namenslisten-Datei kann nicht geschrieben werden
</source>
        <translation>
A picture that is missing or cannot be read stays empty, with a message;
the calendar is written all the same.

Exit status:
  0  calendar written, names imported
  2  wrong arguments, unknown or repeated region, picture fit or paper,
     invalid year or invalid first month; with --namen-einlesen: neither
     vCard nor CSV with name and birthday
  3  picture folder, project or name file is missing or cannot be read
  4  the PDF, calendar or name list file cannot be written
</translation>
    </message>
    <message>
        <source>Übersprungen: </source>
        <translation>Skipped: </translation>
    </message>
    <message>
        <source>Hinweis: </source>
        <translation>Note: </translation>
    </message>
    <message>
        <source>Termine %1: %2
</source>
        <translation>Appointments %1: %2
</translation>
    </message>
    <message>
        <source>1 Bild</source>
        <translation>1 picture</translation>
    </message>
    <message>
        <source>%1 Bildern</source>
        <translation>%1 pictures</translation>
    </message>
    <message>
        <source>Jahreskalender %1 mit %2 Seiten und %3 gespeichert: %4
</source>
        <translation>Year calendar %1 with %2 pages and %3 saved: %4
</translation>
    </message>
    <message>
        <source>Kalenderdatei %1 gespeichert: %2
</source>
        <translation>Calendar file %1 saved: %2
</translation>
    </message>
    <message>
        <source>Warnung: Die Namensliste kann nicht gelesen werden; der Kalender erscheint ohne Geburtstage.
</source>
        <translation>Warning: The name list cannot be read; the calendar appears without birthdays.
</translation>
    </message>
    <message>
        <source>--bilder und --projekt schließen sich aus.</source>
        <translation>--bilder and --projekt cannot be used together.</translation>
    </message>
</context>
<context>
    <name>zuv::app::TForm1</name>
    <message>
        <source>Foto Kalender</source>
        <translation>Photo Calendar</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Drucker auswählen</source>
        <translation>Select printer</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Allgemeines</source>
        <translation>About biorhythms</translation>
    </message>
    <message>
        <source>&amp;Foto Kalender</source>
        <translation>&amp;Photo Calendar</translation>
    </message>
    <message>
        <source>Bildabessungen</source>
        <translation>Picture dimensions</translation>
    </message>
    <message>
        <source>Jahreskalender...</source>
        <translation>Year calendar...</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Wochentage</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>Tageszahlen</source>
        <translation>Day numbers</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>zuv::bio::BioPage</name>
    <message>
        <source>&amp;Geburtsdat.</source>
        <translation>Date of &amp;birth</translation>
    </message>
    <message>
        <source>Zuvododerod für &amp;Monat</source>
        <translation>Zuvododerod for &amp;month</translation>
    </message>
    <message>
        <source>im &amp;Jahr</source>
        <translation>in &amp;year</translation>
    </message>
    <message>
        <source>&amp;Aktualisieren</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>Name i.d.Titel an&amp;z.</source>
        <translation>Name in the &amp;title</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Mit einem Doppelklick wird der Text gelöscht.</source>
        <translation>A double click clears the text.</translation>
    </message>
    <message>
        <source>Name und Geburtsdatum eintragen / ändern / löschen?</source>
        <translation>Add / change / delete name and date of birth?</translation>
    </message>
    <message>
        <source>Klicken Sie hier, wenn Sie Name und Geburtstag festschreiben wollen.</source>
        <translation>Click here to store the name and birthday.</translation>
    </message>
    <message>
        <source>Sternzeich.</source>
        <translation>Zodiac sign</translation>
    </message>
    <message>
        <source>&amp;Tagesform am...</source>
        <translation>&amp;Day form on...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiges Datum.</source>
        <translation>&apos;%1&apos; is not a valid date.</translation>
    </message>
    <message>
        <source>Text zum Sternzeichen</source>
        <translation>Text on the zodiac sign</translation>
    </message>
    <message>
        <source>Sternzeichen</source>
        <translation>Zodiac sign</translation>
    </message>
    <message>
        <source>Tagesform am %1</source>
        <translation>Day form on %1</translation>
    </message>
    <message>
        <source>Tagesform</source>
        <translation>Day form</translation>
    </message>
    <message>
        <source>Sternzeichen %1</source>
        <translation>Zodiac sign %1</translation>
    </message>
</context>
<context>
    <name>zuv::info::HelpWindow</name>
    <message>
        <source>Zuvododerod - Hilfe</source>
        <translation>Zuvododerod - Help</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vorwärts</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Hilfetext</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>zuv::info::TAboutBox</name>
    <message>
        <source>Info </source>
        <translation>About </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>zuv::people::NameImportDialog</name>
    <message>
        <source>Namen einlesen – %1</source>
        <translation>Import names – %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Übernahme</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>1 Namen &amp;übernehmen</source>
        <translation>&amp;Import 1 name</translation>
    </message>
    <message>
        <source>%1 Namen &amp;übernehmen</source>
        <translation>&amp;Import %1 names</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>zuv::people::NameListModel</name>
    <message>
        <source>Ein Name hat höchstens %1 Zeichen.</source>
        <translation>A name has at most %1 characters.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiges Datum.
Geben Sie das Datum als TT.MM.JJJJ ein.</source>
        <translation>&quot;%1&quot; is not a valid date.
Please enter the date as DD.MM.YYYY.</translation>
    </message>
</context>
<context>
    <name>zuv::people::TForm3</name>
    <message>
        <source>Namensliste</source>
        <translation>Name list</translation>
    </message>
    <message>
        <source>&amp;Name löschen</source>
        <translation>&amp;Delete name</translation>
    </message>
    <message>
        <source>&amp;Geburtstagskalender...</source>
        <translation>&amp;Birthday calendar...</translation>
    </message>
    <message>
        <source>&amp;Fenster schliessen</source>
        <translation>&amp;Close window</translation>
    </message>
    <message>
        <source>&amp;Einlesen…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Namen einlesen… (vCard- oder CSV-Datei)</source>
        <translation>Import names… (vCard or CSV file)</translation>
    </message>
</context>
<context>
    <name>zuv::photo::FotoPage</name>
    <message>
        <source>Bild&amp;anpassung</source>
        <translation>Picture &amp;fit</translation>
    </message>
    <message>
        <source>Bildausschnitt aller Bilder</source>
        <translation>Focus of all pictures</translation>
    </message>
    <message>
        <source>&amp;Mondphasen</source>
        <translation>&amp;Moon phases</translation>
    </message>
    <message>
        <source>&amp;Brückentage</source>
        <translation>&amp;Bridge days</translation>
    </message>
    <message>
        <source>&amp;Zweite Region</source>
        <translation>&amp;Second region</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&amp;Termine aus Datei…</source>
        <translation>&amp;Events from file…</translation>
    </message>
    <message>
        <source>Termine &amp;entfernen</source>
        <translation>R&amp;emove events</translation>
    </message>
    <message>
        <source>Termine aus: %1</source>
        <translation>Events from: %1</translation>
    </message>
    <message>
        <source>Termine aus Kalenderdateien</source>
        <translation>Events from calendar files</translation>
    </message>
    <message>
        <source>Kalenderdateien (*.ics *.ical)</source>
        <translation>Calendar files (*.ics *.ical)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 Termine im Jahr %2 gelesen.

%3</source>
        <translation>%1 events read for %2.

%3</translation>
    </message>
    <message>
        <source>Bild &amp;1</source>
        <translation>Photo &amp;1</translation>
    </message>
    <message>
        <source>Bild &amp;2</source>
        <translation>Photo &amp;2</translation>
    </message>
    <message>
        <source>Bild &amp;3</source>
        <translation>Photo &amp;3</translation>
    </message>
    <message>
        <source>Mit &amp;Zuvododerod</source>
        <translation>With &amp;Zuvododerod</translation>
    </message>
    <message>
        <source>&amp;Geburtsdatum</source>
        <translation>Date of &amp;birth</translation>
    </message>
    <message>
        <source>Geben Sie Ihr Geburtsdatum ein.</source>
        <translation>Enter your date of birth.</translation>
    </message>
    <message>
        <source>&amp;Bundesland</source>
        <translation>&amp;State</translation>
    </message>
    <message>
        <source>&amp;Monat</source>
        <translation>&amp;Month</translation>
    </message>
    <message>
        <source>&amp;Jahr</source>
        <translation>&amp;Year</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Schriftart Titel</source>
        <translation>Title font</translation>
    </message>
    <message>
        <source>Schriftart Wochentage</source>
        <translation>Weekday font</translation>
    </message>
    <message>
        <source>Schriftart Tageszahlen</source>
        <translation>Day number font</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Bild - Abmessungen:<byte value="xd"/>
1 x 377 hoch,  609 breit oder<byte value="xd"/>
1 x 297 hoch,  609 breit oder<byte value="xd"/>
3 x 297 hoch,  201 breit<byte value="xd"/>
Bei anderen Abmessungen werden die Bilder<byte value="xd"/>
entweder vergrössert, oder verkleinert.</source>
        <translation>Picture dimensions:<byte value="xd"/>
1 x 377 high,  609 wide or<byte value="xd"/>
1 x 297 high,  609 wide or<byte value="xd"/>
3 x 297 high,  201 wide<byte value="xd"/>
Pictures of other sizes are<byte value="xd"/>
either enlarged or reduced.</translation>
    </message>
    <message>
        <source>Wählen Sie ein Bundesland aus.</source>
        <translation>Please choose a state.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Bundesland der Liste. Wählen Sie ein Bundesland aus.</source>
        <translation>&quot;%1&quot; is not a state of the list. Please choose a state.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Monat der Liste. Wählen Sie einen Monat aus.</source>
        <translation>&quot;%1&quot; is not a month of the list. Please choose a month.</translation>
    </message>
    <message>
        <source>Die Bilder werden geladen ...</source>
        <translation>Loading the pictures ...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>zuv::photo::MonthPage</name>
    <message>
        <source>Br</source>
        <translation>Br</translation>
    </message>
</context>
<context>
    <name>zuv::photo::TForm10</name>
    <message>
        <source>Bildausschnitt von Bild %1</source>
        <translation>Focus of picture %1</translation>
    </message>
    <message>
        <source>Bild - Kalender</source>
        <translation>Picture calendar</translation>
    </message>
    <message>
        <source>Der Druckauftrag „%1“ konnte auf dem Drucker „%2“ nicht gestartet werden.</source>
        <translation>The print job “%1” could not be started on the printer “%2”.</translation>
    </message>
    <message>
        <source>Der Druckauftrag „%1“ ist fehlgeschlagen.</source>
        <translation>The print job “%1” failed.</translation>
    </message>
    <message>
        <source>Als PDF speichern...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Kalender %1.pdf</source>
        <translation>Calendar %1.pdf</translation>
    </message>
</context>
<context>
    <name>zuv::widgets::MaskEdit</name>
    <message>
        <source>Ungültiger Eingabewert. Mit Esc werden die Änderungen rückgängig gemacht.</source>
        <translation>Invalid input. Press Esc to undo the changes.</translation>
    </message>
</context>
<context>
    <name>zuv::yearcal::MonthPictureArea</name>
    <message>
        <source>Bilder für %1 (hierher ziehen)</source>
        <translation>Pictures for %1 (drop here)</translation>
    </message>
    <message>
        <source>Bilder hierher ziehen</source>
        <translation>Drop pictures here</translation>
    </message>
    <message>
        <source>%1, Bild %2: %3</source>
        <translation>%1, picture %2: %3</translation>
    </message>
    <message>
        <source>Bilder %1...</source>
        <translation>Pictures %1...</translation>
    </message>
    <message>
        <source>Bilder für %1 wählen</source>
        <translation>Choose pictures for %1</translation>
    </message>
    <message>
        <source>Bilder %1 entfernen</source>
        <translation>Remove pictures %1</translation>
    </message>
    <message>
        <source>Bilder für %1 entfernen</source>
        <translation>Remove pictures for %1</translation>
    </message>
</context>
<context>
    <name>zuv::yearcal::YearPrintPanel</name>
    <message>
        <source>Papier und Bilder</source>
        <translation>Paper and pictures</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Druckerei (&amp;3 mm Beschnitt, Schnittmarken)</source>
        <translation>Print shop (&amp;3 mm bleed, crop marks)</translation>
    </message>
    <message>
        <source>Druckerei: 3 mm Beschnitt und Schnittmarken</source>
        <translation>Print shop: 3 mm bleed and crop marks</translation>
    </message>
    <message>
        <source>Erster Monat</source>
        <translation>First month</translation>
    </message>
    <message>
        <source>Papier&amp;format</source>
        <translation>Paper si&amp;ze</translation>
    </message>
    <message>
        <source>&amp;Erster Monat</source>
        <translation>&amp;First month</translation>
    </message>
    <message>
        <source>Gewähltes Bild</source>
        <translation>Chosen picture</translation>
    </message>
    <message>
        <source>Bildanpassung des gewählten Bildes</source>
        <translation>Fit of the chosen picture</translation>
    </message>
    <message>
        <source>Bildausschnitt des gewählten Bildes</source>
        <translation>Focus of the chosen picture</translation>
    </message>
    <message>
        <source>A&amp;npassung</source>
        <translation>F&amp;it</translation>
    </message>
    <message>
        <source>Auss&amp;chnitt</source>
        <translation>Focu&amp;s</translation>
    </message>
    <message>
        <source>Unscharfe Bilder</source>
        <translation>Soft pictures</translation>
    </message>
    <message>
        <source>Kein Bild gewählt (Vorschaubild anklicken)</source>
        <translation>No picture chosen (click a thumbnail)</translation>
    </message>
    <message>
        <source>Bild: %1</source>
        <translation>Picture: %1</translation>
    </message>
</context>
<context>
    <name>zuv::yearcal::YearWindow</name>
    <message>
        <source>Bilder (ein bis drei je Monat; Dateien auf einen Monat ziehen)</source>
        <translation>Pictures (one to three a month; drop files on a month)</translation>
    </message>
    <message>
        <source>&amp;Ordner übernehmen...</source>
        <translation>Ta&amp;ke folder...</translation>
    </message>
    <message>
        <source>Die Bilder eines Ordners nach Namen sortiert, eines je Monat ab dem ersten Monat</source>
        <translation>The pictures of a folder sorted by name, one a month from the first month</translation>
    </message>
    <message>
        <source>Bilder für %1</source>
        <translation>Pictures for %1</translation>
    </message>
    <message>
        <source>Bilder für %1 werden geprüft...</source>
        <translation>Checking the pictures for %1...</translation>
    </message>
    <message>
        <source>Ordner mit den Bildern des Jahres</source>
        <translation>Folder with the pictures of the year</translation>
    </message>
    <message>
        <source>Bilder aus %1 werden geprüft...</source>
        <translation>Checking the pictures from %1...</translation>
    </message>
    <message>
        <source>Es werden noch Bilder geprüft; bitte einen Moment warten.</source>
        <translation>Pictures are still being checked; please wait a moment.</translation>
    </message>
    <message>
        <source>Ein Monat nimmt höchstens drei Bilder auf; die ersten drei werden verwendet.</source>
        <translation>A month takes at most three pictures; the first three are used.</translation>
    </message>
    <message>
        <source>Im Ordner &quot;%1&quot; ist kein Bild, das verwendet werden kann.</source>
        <translation>The folder &quot;%1&quot; holds no picture that can be used.</translation>
    </message>
    <message>
        <source>%1 Bilder aus %2 übernommen</source>
        <translation>%1 pictures taken from %2</translation>
    </message>
    <message>
        <source>Diese Dateien wurden übergangen:

</source>
        <translation>These files were skipped:

</translation>
    </message>
    <message>
        <source>Jahreskalender</source>
        <translation>Year calendar</translation>
    </message>
    <message>
        <source>&amp;Jahr</source>
        <translation>&amp;Year</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>&amp;Biorhythmus von</source>
        <translation>&amp;Biorhythm of</translation>
    </message>
    <message>
        <source>Geb&amp;urtstage</source>
        <translation>Birt&amp;hdays</translation>
    </message>
    <message>
        <source>&amp;Kritische Tage</source>
        <translation>&amp;Critical days</translation>
    </message>
    <message>
        <source>mit intuitivem Rh&amp;ythmus</source>
        <translation>with int&amp;uitive rhythm</translation>
    </message>
    <message>
        <source>&amp;Mondphasen</source>
        <translation>&amp;Moon phases</translation>
    </message>
    <message>
        <source>Br&amp;ückentage</source>
        <translation>Brid&amp;ge days</translation>
    </message>
    <message>
        <source>(keine zweite Region)</source>
        <translation>(no second region)</translation>
    </message>
    <message>
        <source>2. Region: %1</source>
        <translation>2nd region: %1</translation>
    </message>
    <message>
        <source>T&amp;itelschrift...</source>
        <translation>&amp;Title font...</translation>
    </message>
    <message>
        <source>&amp;Termine aus Datei...</source>
        <translation>&amp;Events from file...</translation>
    </message>
    <message>
        <source>&amp;Vorschau...</source>
        <translation>&amp;Preview...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>Pri&amp;nt...</translation>
    </message>
    <message>
        <source>Als Ka&amp;lenderdatei speichern...</source>
        <translation>Sa&amp;ve as calendar file...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>&amp;Geburtstagskalender...</source>
        <translation>Birthday calend&amp;ar...</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>Cance&amp;l</translation>
    </message>
    <message>
        <source>
Es wird ein neues Projekt begonnen.</source>
        <translation>
A new project is started.</translation>
    </message>
    <message>
        <source>(niemand)</source>
        <translation>(nobody)</translation>
    </message>
    <message>
        <source>wie die Monatsseite</source>
        <translation>as on the month page</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Termine aus Kalenderdateien</source>
        <translation>Events from calendar files</translation>
    </message>
    <message>
        <source>Kalenderdateien (*.ics *.ical)</source>
        <translation>Calendar files (*.ics *.ical)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 Termine im Jahr %2</source>
        <translation>%1 events in %2</translation>
    </message>
    <message>
        <source>Jahreskalender als Kalenderdatei speichern</source>
        <translation>Save year calendar as calendar file</translation>
    </message>
    <message>
        <source>Kalenderdateien (*.ics)</source>
        <translation>Calendar files (*.ics)</translation>
    </message>
    <message>
        <source>Jahreskalender-%1.ics</source>
        <translation>Year-calendar-%1.ics</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Diese Bilder fehlen im Kalender:

</source>
        <translation>These pictures are missing from the calendar:

</translation>
    </message>
    <message>
        <source>Jahreskalender %1</source>
        <translation>Year calendar %1</translation>
    </message>
    <message>
        <source>Der Drucker kann den Auftrag nicht annehmen.</source>
        <translation>The printer cannot accept the job.</translation>
    </message>
    <message>
        <source>Jahreskalender als PDF speichern</source>
        <translation>Save year calendar as PDF</translation>
    </message>
    <message>
        <source>Jahreskalender-%1.pdf</source>
        <translation>Year-calendar-%1.pdf</translation>
    </message>
    <message>
        <source>Abgebrochen; nichts gespeichert.</source>
        <translation>Cancelled; nothing saved.</translation>
    </message>
    <message>
        <source>Jahreskalender-Projekte (*.json)</source>
        <translation>Year calendar projects (*.json)</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Projekt &amp;öffnen...</source>
        <translation>Open pro&amp;ject...</translation>
    </message>
    <message>
        <source>Projekt speic&amp;hern unter...</source>
        <translation>Save project as ne&amp;w file...</translation>
    </message>
    <message>
        <source>Projekt: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>Das zuletzt benutzte Projekt „%1“ gibt es nicht mehr.</source>
        <translation>The project last used, “%1”, no longer exists.</translation>
    </message>
    <message>
        <source>Das Standardprojekt wird geöffnet.</source>
        <translation>The standard project is opened.</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Save project as</translation>
    </message>
</context>
</TS>
