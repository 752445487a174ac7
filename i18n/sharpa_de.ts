<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CameraView</name>
    <message>
        <source>Set to Hyperfocal</source>
        <translation>Auf hyperfokal setzen</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Distance [m]</source>
        <translation>Entfernung [m]</translation>
    </message>
    <message>
        <source>Distance [ft]</source>
        <translation>Entfernung [ft]</translation>
    </message>
    <message>
        <source>Distance from focus [mm]</source>
        <translation>Abstand vom Fokus [mm]</translation>
    </message>
    <message>
        <source>Distance from focus [µm]</source>
        <translation>Abstand vom Fokus [µm]</translation>
    </message>
    <message>
        <source>Distance from sensor [ft]</source>
        <translation>Entfernung vom Sensor [ft]</translation>
    </message>
    <message>
        <source>Distance from sensor [m]</source>
        <translation>Entfernung vom Sensor [m]</translation>
    </message>
    <message>
        <source>Blur [%]</source>
        <translation>Unschärfe [%]</translation>
    </message>
    <message>
        <source>Blur [µm]</source>
        <translation>Unschärfe [µm]</translation>
    </message>
</context>
<context>
    <name>DepthReport</name>
    <message>
        <source>Made with %1 on %2</source>
        <translation>Erstellt mit %1 am %2</translation>
    </message>
    <message>
        <source>Focal length %1 mm, CoC %2 mm, crop factor %3, %4, distances in %5</source>
        <translation>Brennweite %1 mm, Zerstreuungskreis %2 mm, Cropfaktor %3, %4, Entfernungen in %5</translation>
    </message>
    <message>
        <source>with diffraction</source>
        <translation>mit Beugung</translation>
    </message>
    <message>
        <source>without diffraction</source>
        <translation>ohne Beugung</translation>
    </message>
    <message>
        <source>Depth of field: Camera %1</source>
        <translation>Schärfentiefe: Kamera %1</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>%1 (set)</source>
        <translation>%1 (eingestellt)</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfokal</translation>
    </message>
    <message>
        <source>Focus [%1]</source>
        <translation>Fokus [%1]</translation>
    </message>
    <message>
        <source>f/%1 near [%2]</source>
        <translation>f/%1 nah [%2]</translation>
    </message>
    <message>
        <source>f/%1 far [%2]</source>
        <translation>f/%1 fern [%2]</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>At the hyperfocal distance</source>
        <translation>Bei der hyperfokalen Distanz</translation>
    </message>
    <message>
        <source>Shot card: Camera %1, %2</source>
        <translation>Aufnahmekarte: Kamera %1, %2</translation>
    </message>
    <message>
        <source>Near [%1]</source>
        <translation>Nah [%1]</translation>
    </message>
    <message>
        <source>Far [%1]</source>
        <translation>Fern [%1]</translation>
    </message>
    <message>
        <source>Focal length %1 mm, CoC %2 mm, crop factor %3, %4, distances in %5 from the sensor plane</source>
        <translation>Brennweite %1 mm, Zerstreuungskreis %2 mm, Cropfaktor %3, %4, Entfernungen in %5 von der Sensorebene</translation>
    </message>
    <message>
        <source>Rail [mm]</source>
        <translation>Schiene [mm]</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Left Border</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Distance from Camera</source>
        <translation>Abstand von der Kamera</translation>
    </message>
    <message>
        <source>Distance from focus plane</source>
        <translation>Abstand von der Schärfeebene</translation>
    </message>
    <message>
        <source>Distance scale</source>
        <translation>Entfernungsmaßstab</translation>
    </message>
    <message>
        <source>Uz-Scale</source>
        <translation>Uz-Skala</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Apature</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Circel of Confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Calc with diffraction</source>
        <translation>Mit Beugung rechnen</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In Verwendung</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Crop-Faktor</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Form Factor</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>View distance</source>
        <translation>Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Image width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Diffraction at the Working F-Number</source>
        <translation>Beugung bei der Arbeitsblende</translation>
    </message>
    <message>
        <source>Combine Blur and Diffraction as Root-Sum-Square</source>
        <translation>Unschärfe und Beugung quadratisch addieren</translation>
    </message>
    <message>
        <source>Pupil magnification</source>
        <translation>Pupillenmaßstab</translation>
    </message>
    <message>
        <source>Close-up scale</source>
        <translation>Nahmaßstab</translation>
    </message>
    <message>
        <source>Close-up middle</source>
        <translation>Nahmitte</translation>
    </message>
    <message>
        <source>Keep the Framing</source>
        <translation>Bildausschnitt beibehalten</translation>
    </message>
    <message>
        <source>Subject width</source>
        <translation>Motivbreite</translation>
    </message>
</context>
<context>
    <name>FramingOption</name>
    <message>
        <source>Subject width</source>
        <translation>Motivbreite</translation>
    </message>
    <message>
        <source>The width of the subject that fills the frame: 0.9 m is head and shoulders, 0.3 m a face, 2 m a full figure.</source>
        <translation>Die Breite des Motivs, die das Bild füllt: 0,9 m ist Kopf und Schultern, 0,3 m ein Gesicht, 2 m eine ganze Figur.</translation>
    </message>
</context>
<context>
    <name>PlanForm</name>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>Everything beyond the near distance</source>
        <translation>Alles jenseits der nahen Entfernung</translation>
    </message>
    <message>
        <source>The largest blur allowed, in circles of confusion</source>
        <translation>Die größte erlaubte Unschärfe, in Zerstreuungskreisen</translation>
    </message>
    <message>
        <source>How much of each shot&apos;s depth the next one repeats</source>
        <translation>Wie viel der Tiefe jeder Aufnahme die nächste wiederholt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Set the camera&apos;s focus and f-number to the plan&apos;s</source>
        <translation>Fokus und Blende der Kamera auf die des Plans setzen</translation>
    </message>
    <message>
        <source>Copy Shots</source>
        <translation>Aufnahmen kopieren</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Blur limit</source>
        <translation>Unschärfegrenze</translation>
    </message>
    <message>
        <source>Stack overlap</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <source>The near distance must lie beyond the focal length, %1, and before the far one.</source>
        <translation>Die nahe Entfernung muss jenseits der Brennweite, %1, und vor der fernen liegen.</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>No single shot keeps %1 within U %2: at its sharpest, %3, the worst blur is U %4.</source>
        <translation>Keine einzelne Aufnahme hält %1 innerhalb von U %2: am schärfsten, bei %3, ist die größte Unschärfe U %4.</translation>
    </message>
    <message>
        <source>No single shot keeps %1 within U %2 up to %3.</source>
        <translation>Keine einzelne Aufnahme bis %3 hält %1 innerhalb von U %2.</translation>
    </message>
    <message>
        <source>%1: focus %2, %3 widest (worst U %4)</source>
        <translation>%1: Fokus %2, %3 am offensten (höchstens U %4)</translation>
    </message>
    <message>
        <source>%1, %2 sharpest (U %3)</source>
        <translation>%1, %2 am schärfsten (U %3)</translation>
    </message>
    <message>
        <source>At %1 one shot keeps the range within the limit.</source>
        <translation>Bei %1 hält eine Aufnahme den Bereich innerhalb der Grenze.</translation>
    </message>
    <message>
        <source>A stack at %1: %2 shots, far to near.</source>
        <translation>Eine Reihe bei %1: %2 Aufnahmen, von fern nach nah.</translation>
    </message>
    <message>
        <source>At %1 the diffraction disc alone exceeds U %2: no stack keeps the limit.</source>
        <translation>Bei %1 übersteigt das Beugungsscheibchen allein U %2: keine Reihe hält die Grenze.</translation>
    </message>
    <message>
        <source>At %1 a stack would take more than %2 shots.</source>
        <translation>Bei %1 bräuchte eine Reihe mehr als %2 Aufnahmen.</translation>
    </message>
    <message>
        <source>Apply the Plan</source>
        <translation>Plan übernehmen</translation>
    </message>
    <message>
        <source>%1. At %2 diffraction alone blurs %3 CoC.</source>
        <translation>%1. Bei %2 allein verwischt die Beugung %3 Zerstreuungskreise.</translation>
    </message>
    <message>
        <source>Switch diffraction on for this camera.</source>
        <translation>Beugung für diese Kamera einschalten.</translation>
    </message>
    <message>
        <source>On a rail, depth</source>
        <translation>Auf einer Schiene, Tiefe</translation>
    </message>
    <message>
        <source>The camera moves between shots and its magnification stays</source>
        <translation>Die Kamera bewegt sich zwischen den Aufnahmen, und ihr Abbildungsmaßstab bleibt</translation>
    </message>
    <message>
        <source>How deep the subject reaches from the focus into the scene</source>
        <translation>Wie tief das Motiv vom Fokus aus in die Szene reicht</translation>
    </message>
    <message>
        <source>On a rail at %1 one shot keeps the depth within the limit.</source>
        <translation>Auf einer Schiene bei %1 hält eine Aufnahme die Tiefe innerhalb der Grenze.</translation>
    </message>
    <message>
        <source>On a rail at %1: %2 shots, %3 apart, near to far.</source>
        <translation>Auf einer Schiene bei %1: %2 Aufnahmen, %3 auseinander, von nah nach fern.</translation>
    </message>
    <message>
        <source>Rail</source>
        <translation>Schiene</translation>
    </message>
    <message>
        <source>The nearest distance to keep sharp</source>
        <translation>Die nächste Entfernung, die scharf bleiben soll</translation>
    </message>
    <message>
        <source>The farthest distance to keep sharp</source>
        <translation>Die fernste Entfernung, die scharf bleiben soll</translation>
    </message>
</context>
<context>
    <name>PlanPanel</name>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Planen</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Your Photo…</source>
        <translation>Eigenes Foto…</translation>
    </message>
    <message>
        <source>What lies behind the subject: a scene of the program&apos;s own, or a JPEG or PNG photograph of yours</source>
        <translation>Was hinter dem Motiv liegt: eine Szene des Programms oder ein eigenes JPEG- oder PNG-Foto</translation>
    </message>
    <message>
        <source>How far the background lies from the camera</source>
        <translation>Wie weit der Hintergrund von der Kamera entfernt ist</translation>
    </message>
    <message>
        <source>Subject in focus</source>
        <translation>Motiv im Fokus</translation>
    </message>
    <message>
        <source>A figure of the framing&apos;s subject width at each camera&apos;s focus, sharp (Compare &gt; Keep the Framing)</source>
        <translation>Eine Figur der Motivbreite des Bildausschnitts im Fokus jeder Kamera, scharf (Vergleichen &gt; Bildausschnitt beibehalten)</translation>
    </message>
    <message>
        <source>What Camera %1 records, the background blurred with its lens&apos;s disc</source>
        <translation>Was Kamera %1 aufnimmt, der Hintergrund mit dem Scheibchen ihres Objektivs verwischt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Both pictures side by side to the clipboard</source>
        <translation>Beide Bilder nebeneinander in die Zwischenablage</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>PNG exportieren…</translation>
    </message>
    <message>
        <source>Both pictures side by side as a PNG file</source>
        <translation>Beide Bilder nebeneinander als PNG-Datei</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>at</source>
        <translation>in</translation>
    </message>
    <message>
        <source>What each camera records of a background behind the subject</source>
        <translation>Was jede Kamera von einem Hintergrund hinter dem Motiv aufnimmt</translation>
    </message>
    <message>
        <source>Preview a Background at %1</source>
        <translation>Hintergrund in %1 in der Vorschau zeigen</translation>
    </message>
    <message>
        <source>Choose a Photo</source>
        <translation>Foto wählen</translation>
    </message>
    <message>
        <source>Photographs (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>%1 cannot be used as a background.
%2</source>
        <translation>%1 kann nicht als Hintergrund dienen.
%2</translation>
    </message>
    <message>
        <source>Camera %1: no picture, the focus or the background lies at or inside the focal length</source>
        <translation>Kamera %1: kein Bild, Fokus oder Hintergrund liegen auf oder innerhalb der Brennweite</translation>
    </message>
    <message>
        <source>Camera %1: the background&apos;s blur is %2 % of the width</source>
        <translation>Kamera %1: Die Unschärfe des Hintergrunds beträgt %2 % der Breite</translation>
    </message>
    <message>
        <source>Export Preview</source>
        <translation>Vorschau exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>PreviewScene</name>
    <message>
        <source>Points of Light</source>
        <translation>Lichtpunkte</translation>
    </message>
    <message>
        <source>Foliage</source>
        <translation>Laub</translation>
    </message>
    <message>
        <source>Test Chart</source>
        <translation>Testbild</translation>
    </message>
</context>
<context>
    <name>TableActions</name>
    <message>
        <source>Depth-of-field tables</source>
        <translation>Schärfentiefetabellen</translation>
    </message>
    <message>
        <source>Shot cards of the plans</source>
        <translation>Aufnahmekarten der Pläne</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV, comma-separated values (*.csv)</source>
        <translation>CSV, kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Could not export the table to %1.
%2</source>
        <translation>Die Tabelle konnte nicht nach %1 exportiert werden.
%2</translation>
    </message>
    <message>
        <source>Print Table</source>
        <translation>Tabelle drucken</translation>
    </message>
    <message>
        <source>There is not enough memory to export the table.</source>
        <translation>Für den Export der Tabelle reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>There is not enough memory to print the table.</source>
        <translation>Für den Druck der Tabelle reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The table could not be printed on %1.</source>
        <translation>Die Tabelle konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Which pages to make:</source>
        <translation>Welche Seiten erstellen:</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>graph</name>
    <message>
        <source>The blur U of a subject at each distance, in circles of confusion: the subject looks sharp where a camera&apos;s curve lies at or below the line U = 1, and that stretch, its depth of field, is shaded in the camera&apos;s colour.</source>
        <translation>Die Unschärfe U eines Motivs in jeder Entfernung, in Zerstreuungskreisen: Das Motiv wirkt scharf, wo die Kurve einer Kamera auf oder unter der Linie U = 1 liegt; dieser Bereich, ihre Schärfentiefe, ist in der Farbe der Kamera hinterlegt.</translation>
    </message>
</context>
<context>
    <name>mainWin</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Left Border</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Distance from Camera</source>
        <translation>Abstand von der Kamera</translation>
    </message>
    <message>
        <source>Distance from focus plane</source>
        <translation>Abstand von der Schärfeebene</translation>
    </message>
    <message>
        <source>Distance scale</source>
        <translation>Entfernungsmaßstab</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;U&lt;/span&gt;&lt;span style=&quot; font-size:6pt;&quot;&gt;z&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;-Scale&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;U&lt;/span&gt;&lt;span style=&quot; font-size:6pt;&quot;&gt;z&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;-Skala&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Set to hyperfocal</source>
        <translation>Auf hyperfokal setzen</translation>
    </message>
    <message>
        <source>Apature</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>f/</source>
        <translation>f/</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Circel of Confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Calc with diffraction</source>
        <translation>Mit Beugung rechnen</translation>
    </message>
    <message>
        <source>Set CoC by Pixelsize</source>
        <translation>Zerstreuungskreis aus der Pixelgröße</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Crop-Faktor</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1,0</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>1.6</source>
        <translation>1,6</translation>
    </message>
    <message>
        <source>2.0</source>
        <translation>2,0</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>6 Mill. Pixel</source>
        <translation>6 Mio. Pixel</translation>
    </message>
    <message>
        <source>8 Mill. Pixel</source>
        <translation>8 Mio. Pixel</translation>
    </message>
    <message>
        <source>10 Mill. Pixel</source>
        <translation>10 Mio. Pixel</translation>
    </message>
    <message>
        <source>12 Mill. Pixel</source>
        <translation>12 Mio. Pixel</translation>
    </message>
    <message>
        <source>15 Mill. Pixel</source>
        <translation>15 Mio. Pixel</translation>
    </message>
    <message>
        <source>21 Mill. Pixel</source>
        <translation>21 Mio. Pixel</translation>
    </message>
    <message>
        <source>32 Mill. Pixel</source>
        <translation>32 Mio. Pixel</translation>
    </message>
    <message>
        <source>Form Factor</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>3:2</source>
        <translation>3:2</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Set CoC by view distance</source>
        <translation>Zerstreuungskreis aus dem Betrachtungsabstand</translation>
    </message>
    <message>
        <source>View distance</source>
        <translation>Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Image width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>Set to hyperfocal (%1 m)</source>
        <translation>Auf hyperfokal setzen (%1 m)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Could not open the camera settings file %1.
%2</source>
        <translation>Die Kameradatei %1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Could not save the camera settings to %1.
%2</source>
        <translation>Die Kameraeinstellungen konnten nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>It holds %1 bytes; a camera settings file holds %2.</source>
        <translation>Sie enthält %1 Bytes; eine Kameradatei enthält %2.</translation>
    </message>
    <message>
        <source>It holds a value that is not a number.</source>
        <translation>Sie enthält einen Wert, der keine Zahl ist.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written.</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>%1
Version %2
Copyright (C) 2026 The %1 developers
Free software under the MIT License, without any warranty.</source>
        <translation>%1
Version %2
Copyright (C) 2026 Die %1-Entwickler
Freie Software unter der MIT-Lizenz, ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>Could not export the chart to %1.
%2</source>
        <translation>Das Diagramm konnte nicht nach %1 exportiert werden.
%2</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>Enter a view distance to set the CoC from it.</source>
        <translation>Erst einen Betrachtungsabstand eingeben.</translation>
    </message>
    <message>
        <source>Enter an image width to set the CoC from it.</source>
        <translation>Erst eine Bildbreite eingeben.</translation>
    </message>
    <message>
        <source>Camera %1: %2 – %3 (%4)</source>
        <translation>Kamera %1: %2 – %3 (%4)</translation>
    </message>
    <message>
        <source>Camera %1: nothing sharp, the diffraction disc alone reaches the CoC</source>
        <translation>Kamera %1: nichts scharf, schon das Beugungsscheibchen erreicht den Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Camera %1: nothing sharp, the focus lies at or inside the focal length</source>
        <translation>Kamera %1: nichts scharf, der Fokus liegt auf oder innerhalb der Brennweite</translation>
    </message>
    <message>
        <source>The camera settings have been changed.
Do you want to save your changes?</source>
        <translation>Die Kameraeinstellungen wurden geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The version page could not be opened in a browser. Its address is
%1</source>
        <translation>Die Versionsseite konnte in keinem Browser geöffnet werden. Ihre Adresse ist
%1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Kamera %1, %2</translation>
    </message>
    <message>
        <source>Its extension block is damaged.</source>
        <translation>Ihr Erweiterungsblock ist beschädigt.</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1: aus %2 wurde %3</translation>
    </message>
    <message>
        <source>%1 holds values outside the form&apos;s ranges. Adjusted:
%2</source>
        <translation>%1 enthält Werte außerhalb der Bereiche des Formulars. Angepasst:
%2</translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr und wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is a device, a pipe or a socket, not a regular file.</source>
        <translation>Es ist ein Gerät, eine Pipe oder ein Socket, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>1.3</source>
        <translation>1,3</translation>
    </message>
    <message>
        <source>2.7</source>
        <translation>2,7</translation>
    </message>
    <message>
        <source>0.79</source>
        <translation>0,79</translation>
    </message>
    <message>
        <source>0.64</source>
        <translation>0,64</translation>
    </message>
    <message>
        <source>45 Mill. Pixel</source>
        <translation>45 Mio. Pixel</translation>
    </message>
    <message>
        <source>61 Mill. Pixel</source>
        <translation>61 Mio. Pixel</translation>
    </message>
    <message>
        <source>100 Mill. Pixel</source>
        <translation>100 Mio. Pixel</translation>
    </message>
    <message>
        <source>its depth of field is still %1 against %2</source>
        <translation>ihre Schärfentiefe beträgt noch %1 statt %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>its background blur is still %1 of the width against %2</source>
        <translation>ihre Hintergrundunschärfe beträgt noch %1 der Breite statt %2</translation>
    </message>
    <message>
        <source>Camera %1 copied to Camera %2</source>
        <translation>Kamera %1 auf Kamera %2 übertragen</translation>
    </message>
    <message>
        <source>Camera %1: %2 → %3</source>
        <translation>Kamera %1: %2 → %3</translation>
    </message>
    <message>
        <source>Camera %1 set to %2; %3</source>
        <translation>Kamera %1 auf %2 gesetzt; %3</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Nahgrenze</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Ferngrenze</translation>
    </message>
    <message>
        <source>Total depth</source>
        <translation>Schärfentiefe gesamt</translation>
    </message>
    <message>
        <source>In front of focus</source>
        <translation>Vor dem Fokus</translation>
    </message>
    <message>
        <source>Behind focus</source>
        <translation>Hinter dem Fokus</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Far limit infinite from</source>
        <translation>Ferngrenze unendlich ab</translation>
    </message>
    <message>
        <source>Background blur at ∞ (× CoC)</source>
        <translation>Hintergrundunschärfe bei ∞ (× Zerstreuungskreis)</translation>
    </message>
    <message>
        <source>Background blur at ∞ (mm)</source>
        <translation>Hintergrundunschärfe bei ∞ (mm)</translation>
    </message>
    <message>
        <source>Background blur at ∞ (% of width)</source>
        <translation>Hintergrundunschärfe bei ∞ (% der Breite)</translation>
    </message>
    <message>
        <source>35 mm equivalent focal length</source>
        <translation>Kleinbild-äquivalente Brennweite</translation>
    </message>
    <message>
        <source>35 mm equivalent f-number</source>
        <translation>Kleinbild-äquivalente Blende</translation>
    </message>
    <message>
        <source>Horizontal angle of view</source>
        <translation>Horizontaler Bildwinkel</translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>nothing sharp: the diffraction disc reaches the CoC</source>
        <translation>nichts scharf: das Beugungsscheibchen erreicht den Zerstreuungskreis</translation>
    </message>
    <message>
        <source>nothing sharp: focus at or inside the focal length</source>
        <translation>nichts scharf: Fokus auf oder innerhalb der Brennweite</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Camera %1: U %2</source>
        <translation>Kamera %1: U %2</translation>
    </message>
    <message>
        <source>Sharpa camera settings (*.cbp)</source>
        <translation>Sharpa-Kameraeinstellungen (*.cbp)</translation>
    </message>
    <message>
        <source>The distance, in metres, at the chart&apos;s left edge. It cannot go below twice a focal length.</source>
        <translation>Die Entfernung in Metern am linken Rand des Diagramms. Sie liegt nie unter der doppelten Brennweite.</translation>
    </message>
    <message>
        <source>Measure the chart&apos;s distances from the camera.</source>
        <translation>Die Entfernungen des Diagramms von der Kamera aus messen.</translation>
    </message>
    <message>
        <source>Measure the chart&apos;s distances from each camera&apos;s focus plane, signed: negative in front of it.</source>
        <translation>Die Entfernungen des Diagramms von der Schärfeebene jeder Kamera aus messen, mit Vorzeichen: davor negativ.</translation>
    </message>
    <message>
        <source>Distance scale: millimetres of distance per pixel column of the chart.</source>
        <translation>Entfernungsmaßstab: Millimeter Entfernung je Pixelspalte des Diagramms.</translation>
    </message>
    <message>
        <source>U scale: pixels of the chart per unit of U, the blur in circles of confusion.</source>
        <translation>U-Skala: Pixel des Diagramms je Einheit von U, der Unschärfe in Zerstreuungskreisen.</translation>
    </message>
    <message>
        <source>Move the chart&apos;s left edge in whole metres.</source>
        <translation>Den linken Rand des Diagramms in ganzen Metern verschieben.</translation>
    </message>
    <message>
        <source>Show camera 1 (green) in the chart and the readouts.</source>
        <translation>Kamera 1 (grün) im Diagramm und in den Anzeigen zeigen.</translation>
    </message>
    <message>
        <source>Focus distance of this camera, in metres from the camera.</source>
        <translation>Fokusentfernung dieser Kamera, in Metern von der Kamera.</translation>
    </message>
    <message>
        <source>Focus this camera at its hyperfocal distance, focal length² / (f-number × CoC).</source>
        <translation>Diese Kamera auf ihre hyperfokale Distanz fokussieren, Brennweite² / (Blende × Zerstreuungskreis).</translation>
    </message>
    <message>
        <source>f-number: the focal length divided by the aperture diameter. Up and Down step in third stops.</source>
        <translation>Blendenzahl: die Brennweite geteilt durch den Blendendurchmesser. Auf und Ab gehen in Drittelstufen.</translation>
    </message>
    <message>
        <source>Focal length of the lens, in millimetres.</source>
        <translation>Brennweite des Objektivs, in Millimetern.</translation>
    </message>
    <message>
        <source>Circle of confusion in millimetres: the largest blur disc on the sensor that still looks sharp. U = 1 in the chart.</source>
        <translation>Zerstreuungskreis in Millimetern: das größte Unschärfescheibchen auf dem Sensor, das noch scharf wirkt. U = 1 im Diagramm.</translation>
    </message>
    <message>
        <source>Add the diffraction disc (2.44 × 555 nm × f-number) to the blur.</source>
        <translation>Das Beugungsscheibchen (2,44 × 555 nm × Blendenzahl) zur Unschärfe addieren.</translation>
    </message>
    <message>
        <source>Crop factor of the sensor: its diagonal is 43.27 mm divided by it.</source>
        <translation>Crop-Faktor des Sensors: seine Diagonale ist 43,27 mm geteilt durch ihn.</translation>
    </message>
    <message>
        <source>Pixel count of the sensor.</source>
        <translation>Pixelzahl des Sensors.</translation>
    </message>
    <message>
        <source>Form factor of the sensor, width to height.</source>
        <translation>Seitenverhältnis des Sensors, Breite zu Höhe.</translation>
    </message>
    <message>
        <source>Set the CoC to two pixels along the diagonal of this sensor.</source>
        <translation>Den Zerstreuungskreis auf zwei Pixel entlang der Diagonale dieses Sensors setzen.</translation>
    </message>
    <message>
        <source>Distance from which the print is seen, in centimetres.</source>
        <translation>Abstand, aus dem der Abzug betrachtet wird, in Zentimetern.</translation>
    </message>
    <message>
        <source>Form factor of the print, width to height.</source>
        <translation>Seitenverhältnis des Abzugs, Breite zu Höhe.</translation>
    </message>
    <message>
        <source>Width of the print, in centimetres.</source>
        <translation>Breite des Abzugs, in Zentimetern.</translation>
    </message>
    <message>
        <source>Set the CoC to the blur the eye just resolves on the print at that distance (0.2 mm at 25 cm), scaled to the sensor of the crop factor above.</source>
        <translation>Den Zerstreuungskreis auf die Unschärfe setzen, die das Auge auf dem Abzug aus diesem Abstand gerade noch auflöst (0,2 mm bei 25 cm), umgerechnet auf den Sensor des Crop-Faktors darüber.</translation>
    </message>
    <message>
        <source>Show camera 2 (blue) in the chart and the readouts.</source>
        <translation>Kamera 2 (blau) im Diagramm und in den Anzeigen zeigen.</translation>
    </message>
    <message>
        <source>Sharpa User Guide</source>
        <translation>Sharpa-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Distance grows evenly from the left border to the right edge.</source>
        <translation>Die Entfernung wächst gleichmäßig vom linken Rand bis zum rechten.</translation>
    </message>
    <message>
        <source>From the left border to infinity at the right edge, evenly in 1/distance: each curve becomes two straight lines.</source>
        <translation>Vom linken Rand bis Unendlich am rechten, gleichmäßig in 1/Entfernung: jede Kurve wird zu zwei Geraden.</translation>
    </message>
    <message>
        <source>Set to hyperfocal (%1 ft)</source>
        <translation>Auf hyperfokal setzen (%1 ft)</translation>
    </message>
    <message>
        <source>Not used on the axis to infinity, which spaces distances by 1/distance (View &gt; Distance Axis).</source>
        <translation>Gilt nicht für die Achse bis Unendlich, die Entfernungen nach 1/Entfernung verteilt (Ansicht &gt; Entfernungsachse).</translation>
    </message>
    <message>
        <source>The axis to infinity measures from the camera (View &gt; Distance Axis).</source>
        <translation>Die Achse bis Unendlich misst von der Kamera aus (Ansicht &gt; Entfernungsachse).</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>Figure Size</source>
        <translation>Größe der Abbildung</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>focus %1 · f/%2 · %3 mm · CoC %4 mm · diffraction %5</source>
        <translation>Fokus %1 · f/%2 · %3 mm · Zerstreuungskreis %4 mm · Beugung %5</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Set to hyperfocal (%1)</source>
        <translation>Auf hyperfokal setzen (%1)</translation>
    </message>
    <message>
        <source>Camera %1 unchanged: Camera %2 has no depth of field to match.</source>
        <translation>Kamera %1 unverändert: Kamera %2 hat keine Schärfentiefe zum Angleichen.</translation>
    </message>
    <message>
        <source>Camera %1 unchanged: it has no depth of field at any f-number from f/0.7 to f/64.</source>
        <translation>Kamera %1 unverändert: sie hat bei keiner Blende von f/0,7 bis f/64 eine Schärfentiefe.</translation>
    </message>
    <message>
        <source>Camera %1 unchanged: Camera %2 focuses at or inside its focal length.</source>
        <translation>Kamera %1 unverändert: Kamera %2 fokussiert auf oder innerhalb ihrer Brennweite.</translation>
    </message>
    <message>
        <source>Camera %1 unchanged: it focuses at or inside its focal length.</source>
        <translation>Kamera %1 unverändert: sie fokussiert auf oder innerhalb ihrer Brennweite.</translation>
    </message>
    <message>
        <source>Camera %1: inside the focal length</source>
        <translation>Kamera %1: innerhalb der Brennweite</translation>
    </message>
    <message>
        <source>Could not restore the changes from %1.
%2</source>
        <translation>Die Änderungen aus %1 konnten nicht wiederhergestellt werden.
%2</translation>
    </message>
    <message>
        <source>There is not enough memory for a figure of %1 × %2 pixels.</source>
        <translation>Für eine Abbildung von %1 × %2 Pixeln reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>Drawing the figure…</source>
        <translation>Die Abbildung wird gezeichnet …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The width must be from %1 to %2 %3.</source>
        <translation>Die Breite muss zwischen %1 und %2 %3 liegen.</translation>
    </message>
    <message>
        <source>The height must be from %1 to %2 %3.</source>
        <translation>Die Höhe muss zwischen %1 und %2 %3 liegen.</translation>
    </message>
    <message>
        <source>Width from %1 to %2 %5, height from %3 to %4 %5.</source>
        <translation>Breite von %1 bis %2 %5, Höhe von %3 bis %4 %5.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Move the Chart</source>
        <translation>Diagramm verschieben</translation>
    </message>
    <message>
        <source>Focus by Double-Click</source>
        <translation>Fokus per Doppelklick</translation>
    </message>
    <message>
        <source>Switch %1 On or Off</source>
        <translation>%1 ein- oder ausschalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Camera 2 takes Camera 1&apos;s angle of view and depth of field on its own sensor, at its own focus distance</source>
        <translation>Kamera 2 übernimmt Bildwinkel und Schärfentiefe von Kamera 1 auf ihrem eigenen Sensor, bei ihrer eigenen Fokusentfernung</translation>
    </message>
    <message>
        <source>Camera 1 takes Camera 2&apos;s angle of view and depth of field on its own sensor, at its own focus distance</source>
        <translation>Kamera 1 übernimmt Bildwinkel und Schärfentiefe von Kamera 2 auf ihrem eigenen Sensor, bei ihrer eigenen Fokusentfernung</translation>
    </message>
    <message>
        <source>Camera %1 unchanged: it would take %2, outside %3 to %4.</source>
        <translation>Kamera %1 unverändert: sie bräuchte %2, außerhalb von %3 bis %4.</translation>
    </message>
    <message>
        <source>Camera %1: %2, %3, CoC %4 — same shutter speed at %5 × the ISO</source>
        <translation>Kamera %1: %2, %3, Zerstreuungskreis %4 — dieselbe Verschlusszeit bei %5 × der ISO</translation>
    </message>
    <message>
        <source>Write each shown camera&apos;s depth-of-field table, or the plans&apos; shot cards, as PDF or CSV</source>
        <translation>Die Schärfentiefetabelle jeder gezeigten Kamera oder die Aufnahmekarten der Pläne als PDF oder CSV schreiben</translation>
    </message>
    <message>
        <source>Print each shown camera&apos;s depth-of-field table, or the plans&apos; shot cards</source>
        <translation>Die Schärfentiefetabelle jeder gezeigten Kamera oder die Aufnahmekarten der Pläne drucken</translation>
    </message>
    <message>
        <source>%1: the unsaved changes could not be kept in %2.</source>
        <translation>%1: Die ungespeicherten Änderungen konnten nicht in %2 aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The unsaved changes of a run that ended on %1 could not be kept in %2.
%3</source>
        <translation>Die ungespeicherten Änderungen eines am %1 beendeten Laufs konnten nicht in %2 aufbewahrt werden.
%3</translation>
    </message>
    <message>
        <source>Sharpa was closed on %1 with unsaved changes to a new document. Restore them?</source>
        <translation>Sharpa wurde am %1 mit ungespeicherten Änderungen an einem neuen Dokument beendet. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Sharpa was closed on %1 with unsaved changes to %2. Restore them?</source>
        <translation>Sharpa wurde am %1 mit ungespeicherten Änderungen an %2 beendet. Wiederherstellen?</translation>
    </message>
    <message>
        <source>The name of %1 is not valid UTF-8, which Sharpa cannot save under: it is open as a new document, and Save asks for another name.</source>
        <translation>Der Name von %1 ist kein gültiges UTF-8, unter dem Sharpa nicht speichern kann: Die Datei ist als neues Dokument geöffnet, und Speichern fragt nach einem anderen Namen.</translation>
    </message>
    <message>
        <source>Its folder is a file or a link.</source>
        <translation>Ihr Ordner ist eine Datei oder eine Verknüpfung.</translation>
    </message>
    <message>
        <source>Switch a camera on first: there is nothing to export or print while none is shown.</source>
        <translation>Schalten Sie zuerst eine Kamera ein: Solange keine gezeigt wird, gibt es nichts zu exportieren oder zu drucken.</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>Magnification at the focus, f / (s - f): 1:1 life size, 5:1 five times. Typing one sets the focus.</source>
        <translation>Abbildungsmaßstab im Fokus, f / (s - f): 1:1 natürliche Größe, 5:1 fünffach. Ein eingegebener Maßstab setzt den Fokus.</translation>
    </message>
    <message>
        <source>Pupil magnification</source>
        <translation>Pupillenmaßstab</translation>
    </message>
    <message>
        <source>Pupil magnification of the lens: the diameter of its exit pupil over that of its entrance pupil, as its maker gives it (1 for a symmetric lens). It changes the depth at close range by (1 + m / P) / (1 + m).</source>
        <translation>Pupillenmaßstab des Objektivs: der Durchmesser der Austrittspupille durch den der Eintrittspupille, wie der Hersteller ihn angibt (1 bei einem symmetrischen Objektiv). Er ändert die Schärfentiefe im Nahbereich um (1 + m / P) / (1 + m).</translation>
    </message>
    <message>
        <source>Where &quot;Calc with diffraction&quot; is on, the disc at the f-number the lens works at, N (1 + m / P), which at close range is larger than the marked one: twice at 1:1.</source>
        <translation>Wo „Mit Beugung rechnen“ an ist, das Beugungsscheibchen bei der Blende, mit der das Objektiv arbeitet, N (1 + m / P), die im Nahbereich größer ist als die eingestellte: doppelt so groß bei 1:1.</translation>
    </message>
    <message>
        <source>Where &quot;Calc with diffraction&quot; is on, the blur and the disc combined as the root of the sum of their squares, as most optimum-aperture tools do, rather than added, as the classic model does.</source>
        <translation>Wo „Mit Beugung rechnen“ an ist, Unschärfe und Beugungsscheibchen als Wurzel der Summe ihrer Quadrate verbunden, wie die meisten Rechner für die förderliche Blende es tun, statt addiert wie im klassischen Modell.</translation>
    </message>
    <message>
        <source>Working f-number</source>
        <translation>Arbeitsblende</translation>
    </message>
    <message>
        <source>Subject to sensor</source>
        <translation>Motiv bis Sensor</translation>
    </message>
    <message>
        <source>Compute it at the working f-number.</source>
        <translation>Bei der Arbeitsblende rechnen.</translation>
    </message>
    <message>
        <source>At %1 the diffraction disc of Camera %2 is %3 × the one computed at the marked f-number.</source>
        <translation>Bei %1 ist das Beugungsscheibchen von Kamera %2 %3-mal so groß wie das bei der eingestellten Blende berechnete.</translation>
    </message>
    <message>
        <source>Around the focus plane, from a tenth of a micrometre to a millimetre per pixel, for the depth of field of macro shots; chosen, it fits the deepest depth of field shown.</source>
        <translation>Um die Schärfeebene, von einem Zehntel Mikrometer bis zu einem Millimeter pro Pixel, für die Schärfentiefe von Makroaufnahmen; gewählt, passt sie die tiefste gezeigte Schärfentiefe ein.</translation>
    </message>
    <message>
        <source>Distances read from the sensor plane, as a lens&apos;s focus scale and a focusing rail do, rather than from the lens; files keep them from the lens.</source>
        <translation>Entfernungen von der Sensorebene aus gelesen, wie die Entfernungsskala eines Objektivs und ein Einstellschlitten es tun, statt vom Objektiv aus; Dateien behalten sie vom Objektiv aus.</translation>
    </message>
    <message>
        <source>From the sensor plane (View &gt; Distance Axis). Beyond 1:1 the same distance gives two focuses: the box keeps to the side of 1:1 that the focus is on; the magnification crosses it.</source>
        <translation>Von der Sensorebene aus (Ansicht &gt; Entfernungsachse). Jenseits von 1:1 ergibt dieselbe Entfernung zwei Fokusse: Das Feld bleibt auf der Seite von 1:1, auf der der Fokus liegt; der Abbildungsmaßstab überschreitet sie.</translation>
    </message>
    <message>
        <source>Close up the mouse wheel scales the axis, from a tenth of a micrometre to a millimetre per pixel (View &gt; Distance Axis).</source>
        <translation>Im Nahbereich skaliert das Mausrad die Achse, von einem Zehntel Mikrometer bis zu einem Millimeter pro Pixel (Ansicht &gt; Entfernungsachse).</translation>
    </message>
    <message>
        <source>The close-up axis measures from the focus plane (View &gt; Distance Axis).</source>
        <translation>Die Nahbereichsachse misst von der Schärfeebene aus (Ansicht &gt; Entfernungsachse).</translation>
    </message>
    <message>
        <source>%1 µm</source>
        <translation>%1 µm</translation>
    </message>
    <message>
        <source>Close-Up Axis</source>
        <translation>Nahbereichsachse</translation>
    </message>
    <message>
        <source>%1 from the focus</source>
        <translation>%1 vom Fokus</translation>
    </message>
    <message>
        <source>The blur as a multiple of each camera&apos;s own circle of confusion, U: the depth of field ends at 1.</source>
        <translation>Die Unschärfe als Vielfaches des Zerstreuungskreises jeder Kamera, U: Die Schärfentiefe endet bei 1.</translation>
    </message>
    <message>
        <source>The blur as a share of the picture&apos;s width, so that two sensors compare on one scale; each camera&apos;s CoC as a line in its colour.</source>
        <translation>Die Unschärfe als Anteil der Bildbreite, sodass sich zwei Sensoren auf einer Skala vergleichen lassen; der Zerstreuungskreis jeder Kamera als Linie in ihrer Farbe.</translation>
    </message>
    <message>
        <source>The blur disc&apos;s diameter on the sensor, in micrometres; each camera&apos;s CoC as a line in its colour.</source>
        <translation>Der Durchmesser des Unschärfescheibchens auf dem Sensor, in Mikrometern; der Zerstreuungskreis jeder Kamera als Linie in ihrer Farbe.</translation>
    </message>
    <message>
        <source>Focus both cameras so that a subject of the width below fills the width of their frames, and keep it so as lenses and sensors change: the background blur then compares the same picture.</source>
        <translation>Beide Kameras so fokussieren, dass ein Motiv der Breite darunter die Breite ihrer Bilder füllt, und es so halten, wenn sich Objektive und Sensoren ändern: Die Hintergrundunschärfe vergleicht dann dasselbe Bild.</translation>
    </message>
    <message>
        <source>%-Scale</source>
        <translation>%-Skala</translation>
    </message>
    <message>
        <source>Blur scale: pixels of the chart per 0.1 % of the image width.</source>
        <translation>Unschärfeskala: Pixel des Diagramms pro 0,1 % der Bildbreite.</translation>
    </message>
    <message>
        <source>µm-Scale</source>
        <translation>µm-Skala</translation>
    </message>
    <message>
        <source>Blur scale: pixels of the chart per 10 µm of blur on the sensor.</source>
        <translation>Unschärfeskala: Pixel des Diagramms pro 10 µm Unschärfe auf dem Sensor.</translation>
    </message>
    <message>
        <source>Camera %1: %2 %</source>
        <translation>Kamera %1: %2 %</translation>
    </message>
    <message>
        <source>Camera %1: %2 µm</source>
        <translation>Kamera %1: %2 µm</translation>
    </message>
    <message>
        <source>The chart is on the clipboard, with its legend.</source>
        <translation>Das Diagramm ist mit seiner Legende in der Zwischenablage.</translation>
    </message>
    <message>
        <source>; the thick bracket: the plan&apos;s range at its blur limit, the dots its worst blur; the thin brackets: the stack&apos;s shots, the dashed line its least blur</source>
        <translation>; die dicke Klammer: der Bereich des Plans auf seiner Unschärfegrenze, die Punkte seine größte Unschärfe; die dünnen Klammern: die Aufnahmen der Reihe, die gestrichelte Linie ihre kleinste Unschärfe</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show every shown camera&apos;s depth of field and its curve up to a few CoC across the chart: the left border, distance scale and blur scale chosen to fit.</source>
        <translation>Die Schärfentiefe jeder gezeigten Kamera und ihre Kurve bis zu einigen Zerstreuungskreisen über das ganze Diagramm zeigen: linker Rand, Entfernungsmaßstab und Unschärfeskala passend gewählt.</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Distance Axis</source>
        <translation>E&amp;ntfernungsachse</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>E&amp;inheiten</translation>
    </message>
    <message>
        <source>Diff&amp;raction</source>
        <translation>Beu&amp;gung</translation>
    </message>
    <message>
        <source>&amp;Blur Axis</source>
        <translation>&amp;Unschärfeachse</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Version Page</source>
        <translation>&amp;Versionsseite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Sharpa</translation>
    </message>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>Diagramm &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabelle exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print Table...</source>
        <translation>Tabelle &amp;drucken...</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>Match Camera 2&apos;s &amp;Depth of Field to Camera 1</source>
        <translation>&amp;Schärfentiefe von Kamera 2 an Kamera 1 angleichen</translation>
    </message>
    <message>
        <source>Match Camera 2&apos;s &amp;Background Blur to Camera 1</source>
        <translation>&amp;Hintergrundunschärfe von Kamera 2 an Kamera 1 angleichen</translation>
    </message>
    <message>
        <source>Make Camera 2 &amp;Equivalent</source>
        <translation>Kamera 2 &amp;gleichwertig machen</translation>
    </message>
    <message>
        <source>Make Camera 1 E&amp;quivalent</source>
        <translation>Kamera 1 gleich&amp;wertig machen</translation>
    </message>
    <message>
        <source>Copy Camera &amp;1 to Camera 2</source>
        <translation>Kamera &amp;1 auf Kamera 2 übertragen</translation>
    </message>
    <message>
        <source>Match Camera 1&apos;s De&amp;pth of Field to Camera 2</source>
        <translation>Schär&amp;fentiefe von Kamera 1 an Kamera 2 angleichen</translation>
    </message>
    <message>
        <source>Match Camera 1&apos;s Back&amp;ground Blur to Camera 2</source>
        <translation>Hin&amp;tergrundunschärfe von Kamera 1 an Kamera 2 angleichen</translation>
    </message>
    <message>
        <source>Copy Camera &amp;2 to Camera 1</source>
        <translation>Kamera &amp;2 auf Kamera 1 übertragen</translation>
    </message>
    <message>
        <source>&amp;Linear</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <source>To &amp;Infinity</source>
        <translation>Bis &amp;Unendlich</translation>
    </message>
    <message>
        <source>&amp;Close-Up</source>
        <translation>&amp;Nahbereich</translation>
    </message>
    <message>
        <source>Distances from the &amp;Sensor Plane</source>
        <translation>Entfernungen von der &amp;Sensorebene</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Blur in &amp;Circles of Confusion</source>
        <translation>Unschärfe in &amp;Zerstreuungskreisen</translation>
    </message>
    <message>
        <source>Blur as % of Image &amp;Width</source>
        <translation>Unschärfe in % der &amp;Bildbreite</translation>
    </message>
    <message>
        <source>Blur on the &amp;Sensor</source>
        <translation>Unschärfe auf dem &amp;Sensor</translation>
    </message>
    <message>
        <source>&amp;Keep the Framing</source>
        <translation>&amp;Bildausschnitt beibehalten</translation>
    </message>
    <message>
        <source>&amp;Metres</source>
        <translation>&amp;Meter</translation>
    </message>
    <message>
        <source>&amp;Feet</source>
        <translation>&amp;Fuß</translation>
    </message>
    <message>
        <source>Diffraction at the &amp;Working F-Number</source>
        <translation>Beugung bei der &amp;Arbeitsblende</translation>
    </message>
    <message>
        <source>Combine Blur and Diffraction as &amp;Root-Sum-Square</source>
        <translation>Unschärfe und Beugung &amp;quadratisch addieren</translation>
    </message>
    <message>
        <source>D&amp;etails</source>
        <translation>&amp;Details</translation>
    </message>
</context>
</TS>
