<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über Rusket</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>unknown placeholder %1</source>
        <translation>unbekannter Platzhalter %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>rusket: no display found. Rusket is a desktop program and needs an X11 or Wayland session; on a machine without one, run it in a virtual display: xvfb-run rusket
</source>
        <translation>rusket: keine Anzeige gefunden. Rusket ist ein Desktop-Programm und braucht eine X11- oder Wayland-Sitzung; auf einem Rechner ohne sie starten Sie es in einer virtuellen Anzeige: xvfb-run rusket
</translation>
    </message>
    <message>
        <source>Try &apos;rusket --help&apos; for more information.
</source>
        <translation>Mehr dazu zeigt &apos;rusket --help&apos;.
</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;.</source>
        <translation>unbekanntes Format &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>rusket: --color: %1
</source>
        <translation>rusket: --color: %1
</translation>
    </message>
    <message>
        <source>rusket: %1
</source>
        <translation>rusket: %1
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 does not go with %2.</source>
        <translation>%1 passt nicht zu %2.</translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation>%1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>rusket: the display could not be opened (%1): no X11 or Wayland session answers there, or it does not let this user in.
</source>
        <translation>rusket: die Anzeige konnte nicht geöffnet werden (%1): dort antwortet keine X11- oder Wayland-Sitzung, oder sie lässt diesen Benutzer nicht zu.
</translation>
    </message>
    <message>
        <source>--as goes with --export-palette.</source>
        <translation>--as gehört zu --export-palette.</translation>
    </message>
    <message>
        <source>--export-palette needs --as css, tailwind, tokens, gpl or lines.</source>
        <translation>--export-palette braucht --as css, tailwind, tokens, gpl oder lines.</translation>
    </message>
    <message>
        <source>rusket: there is no palette named &apos;%1&apos;.
</source>
        <translation>rusket: Es gibt keine Palette namens „%1“.
</translation>
    </message>
    <message>
        <source>Imported 1 color as the palette &apos;%1&apos;.
</source>
        <translation>1 Farbe als Palette „%1“ übernommen.
</translation>
    </message>
    <message>
        <source>Imported %1 colors as the palette &apos;%2&apos;.
</source>
        <translation>%1 Farben als Palette „%2“ übernommen.
</translation>
    </message>
    <message>
        <source>Usage: rusket [options]
Rusket shows one color at once in every notation HTML and CSS accept.

Options:
  -h, --help            Show this help and exit.
  -v, --version         Show the version and exit.
  --color TEXT          Start with the CSS color TEXT current.
  --convert TEXT        Print the CSS color TEXT in every format, one a line, and exit;
                        with -, convert one color a line from standard input.
  --pick                Pick a color from the screen, without the window, and print
                        it in the form the preferences copy (hex unless changed).
                        Shift with the click keeps picking; Escape ends.
  --copy                With --pick, copy the color too; Rusket holds it in the
                        background until another program takes the clipboard.
  --format NAME         With --convert or --pick, print only this format: hex, rgb,
                        hsl, hwb, lab, lch, oklab, oklch, display-p3 or name; with
                        --export-palette, write each color so (hex without it).
  --template TEXT       With --convert, --pick or --export-palette, write each color
                        by TEXT, whose placeholders take its values: {r} {g} {b}
                        (with .f a fraction, .p a percentage, .x two hex digits),
                        {hex} {rgb} {hsl} ... {oklch}, the parts of a format such as
                        {hsl.h} or {oklch.l}, and {name}.
  --list-palettes       Print the name of every palette, one a line, History first.
  --export-palette NAME Print the palette NAME in the form --as gives.
  --as FORM             With --export-palette: css (custom properties), tailwind
                        (a Tailwind theme), tokens (design tokens), gpl (a GIMP
                        palette) or lines (one color a line).
  --import-palette FILE Keep the colors of FILE, a GIMP palette or a text or
                        stylesheet with CSS colors, as a new palette.
  --name NAME           With --import-palette, name the new palette NAME.

Examples:
  rusket --convert &apos;#ff8000&apos; --format oklch
  rusket --convert - --format hex &lt; colors.txt
  rusket --pick --copy --template &apos;Color({r}, {g}, {b})&apos;
  rusket --import-palette brand.css --name Brand
  rusket --export-palette Brand --as tailwind --format oklch &gt; theme.css

Exit status: 0 when done, 1 on an error, 2 for a usage error, 3 when --pick was
cancelled.

Qt&apos;s own window options, such as -style or -geometry, are passed on to Qt.
</source>
        <translation>Aufruf: rusket [Optionen]
Rusket zeigt eine Farbe zugleich in jeder Schreibweise, die HTML und CSS kennen.

Optionen:
  -h, --help            Diese Hilfe zeigen und beenden.
  -v, --version         Die Version zeigen und beenden.
  --color TEXT          Mit der CSS-Farbe TEXT als aktueller Farbe beginnen.
  --convert TEXT        Die CSS-Farbe TEXT in jedem Format ausgeben, eines je Zeile;
                        mit - eine Farbe je Zeile von der Standardeingabe umwandeln.
  --pick                Eine Farbe vom Bildschirm aufnehmen, ohne das Fenster, und
                        in der Form ausgeben, die die Einstellungen kopieren (ohne
                        Änderung hex). Umschalt mit dem Klick nimmt weitere auf;
                        Escape beendet.
  --copy                Mit --pick die Farbe auch kopieren; Rusket hält sie im
                        Hintergrund, bis ein anderes Programm die Zwischenablage nimmt.
  --format NAME         Mit --convert oder --pick nur dieses Format ausgeben: hex,
                        rgb, hsl, hwb, lab, lch, oklab, oklch, display-p3 oder name;
                        mit --export-palette jede Farbe so schreiben (ohne: hex).
  --template TEXT       Mit --convert, --pick oder --export-palette jede Farbe nach
                        TEXT schreiben, dessen Platzhalter ihre Werte einsetzen:
                        {r} {g} {b} (mit .f als Bruch, .p als Prozent, .x als zwei
                        Hexziffern), {hex} {rgb} {hsl} ... {oklch}, die Teile eines
                        Formats wie {hsl.h} oder {oklch.l}, und {name}.
  --list-palettes       Den Namen jeder Palette ausgeben, einen je Zeile, Verlauf zuerst.
  --export-palette NAME Die Palette NAME in der Form ausgeben, die --as nennt.
  --as FORM             Mit --export-palette: css (Custom Properties), tailwind
                        (ein Tailwind-Theme), tokens (Design-Tokens), gpl (eine
                        GIMP-Palette) oder lines (eine Farbe je Zeile).
  --import-palette DATEI Die Farben der DATEI, einer GIMP-Palette oder eines Textes
                        oder Stylesheets mit CSS-Farben, als neue Palette behalten.
  --name NAME           Mit --import-palette die neue Palette NAME nennen.

Beispiele:
  rusket --convert &apos;#ff8000&apos; --format oklch
  rusket --convert - --format hex &lt; farben.txt
  rusket --pick --copy --template &apos;Color({r}, {g}, {b})&apos;
  rusket --import-palette marke.css --name Marke
  rusket --export-palette Marke --as tailwind --format oklch &gt; theme.css

Rückgabewert: 0 wenn erledigt, 1 bei einem Fehler, 2 bei falschem Aufruf, 3 wenn --pick
abgebrochen wurde.

Qts eigene Fensteroptionen wie -style oder -geometry werden an Qt weitergegeben.
</translation>
    </message>
    <message>
        <source>--format goes with --convert, --pick or --export-palette.</source>
        <translation>--format gehört zu --convert, --pick oder --export-palette.</translation>
    </message>
    <message>
        <source>--template goes with --convert, --pick or --export-palette.</source>
        <translation>--template gehört zu --convert, --pick oder --export-palette.</translation>
    </message>
    <message>
        <source>--copy goes with --pick.</source>
        <translation>--copy gehört zu --pick.</translation>
    </message>
    <message>
        <source>--template needs a text.</source>
        <translation>--template braucht einen Text.</translation>
    </message>
    <message>
        <source>--template goes with --as css, tailwind or lines.</source>
        <translation>--template gehört zu --as css, tailwind oder lines.</translation>
    </message>
    <message>
        <source>--template cannot hold a line break where each color is one line.</source>
        <translation>--template darf keinen Zeilenumbruch enthalten, wo jede Farbe eine Zeile ist.</translation>
    </message>
</context>
<context>
    <name>CommandLinePick</name>
    <message>
        <source>The clipboard could not be written.</source>
        <translation>Die Zwischenablage konnte nicht beschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>AAA</source>
        <translation>AAA</translation>
    </message>
    <message>
        <source>AA</source>
        <translation>AA</translation>
    </message>
    <message>
        <source>AA large text only</source>
        <translation>AA nur für große Schrift</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>ungenügend</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>RGB Value for CSS</source>
        <translation>RGB-Werte für CSS</translation>
    </message>
    <message>
        <source>RGB Percentage for CSS</source>
        <translation>RGB-Prozente für CSS</translation>
    </message>
    <message>
        <source>RGB Hexadecimal for HTML</source>
        <translation>RGB hexadezimal für HTML</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Netscape Color Cube</source>
        <translation>Netscape-Farbwürfel</translation>
    </message>
    <message>
        <source>Windows Default 16</source>
        <translation>Windows-Standard 16</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>A sample text to drag and drop a color onto</source>
        <translation>Ein Beispieltext, auf den Sie eine Farbe ziehen</translation>
    </message>
    <message>
        <source>A link to drag and drop a color onto</source>
        <translation>Ein Link, auf den Sie eine Farbe ziehen</translation>
    </message>
    <message>
        <source>A visited link to drag and drop a color onto</source>
        <translation>Ein besuchter Link, auf den Sie eine Farbe ziehen</translation>
    </message>
    <message>
        <source>Lock sliding</source>
        <translation>Regler koppeln</translation>
    </message>
    <message>
        <source>Pick color...</source>
        <translation>Farbwahl...</translation>
    </message>
    <message>
        <source>Type, then leave the field: every other notation follows</source>
        <translation>Tippen, dann das Feld verlassen: jede andere Schreibweise folgt</translation>
    </message>
    <message>
        <source>Select and copy it into a style sheet</source>
        <translation>Auswählen und in ein Stylesheet kopieren</translation>
    </message>
    <message>
        <source>Arrow keys move it by 1, Page Up and Page Down by 10</source>
        <translation>Die Pfeiltasten bewegen ihn um 1, Bild auf und Bild ab um 10</translation>
    </message>
    <message>
        <source>Red, decimal (0 to 255)</source>
        <translation>Rot, dezimal (0 bis 255)</translation>
    </message>
    <message>
        <source>Green, decimal (0 to 255)</source>
        <translation>Grün, dezimal (0 bis 255)</translation>
    </message>
    <message>
        <source>Blue, decimal (0 to 255)</source>
        <translation>Blau, dezimal (0 bis 255)</translation>
    </message>
    <message>
        <source>CSS rgb() text</source>
        <translation>CSS-Text rgb()</translation>
    </message>
    <message>
        <source>Red, percentage</source>
        <translation>Rot, Prozent</translation>
    </message>
    <message>
        <source>Green, percentage</source>
        <translation>Grün, Prozent</translation>
    </message>
    <message>
        <source>Blue, percentage</source>
        <translation>Blau, Prozent</translation>
    </message>
    <message>
        <source>CSS rgb() percentage text</source>
        <translation>CSS-Text rgb() in Prozent</translation>
    </message>
    <message>
        <source>Red, hexadecimal</source>
        <translation>Rot, hexadezimal</translation>
    </message>
    <message>
        <source>Green, hexadecimal</source>
        <translation>Grün, hexadezimal</translation>
    </message>
    <message>
        <source>Blue, hexadecimal</source>
        <translation>Blau, hexadezimal</translation>
    </message>
    <message>
        <source>Select and copy it behind an HTML attribute name</source>
        <translation>Auswählen und hinter den Namen eines HTML-Attributs kopieren</translation>
    </message>
    <message>
        <source>Sample page background</source>
        <translation>Hintergrund der Beispielseite</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Sample link</source>
        <translation>Beispiel-Link</translation>
    </message>
    <message>
        <source>Sample visited link</source>
        <translation>Besuchter Beispiel-Link</translation>
    </message>
    <message>
        <source>Red slider</source>
        <translation>Rot-Regler</translation>
    </message>
    <message>
        <source>Green slider</source>
        <translation>Grün-Regler</translation>
    </message>
    <message>
        <source>Blue slider</source>
        <translation>Blau-Regler</translation>
    </message>
    <message>
        <source>When pressed, the three sliders move together</source>
        <translation>Gedrückt bewegen sich die drei Regler gemeinsam</translation>
    </message>
    <message>
        <source>HTML color attribute text</source>
        <translation>Text für ein HTML-Farbattribut</translation>
    </message>
    <message>
        <source>Color name</source>
        <translation>Farbname</translation>
    </message>
    <message>
        <source>Type a CSS color name, then leave the field</source>
        <translation>Einen CSS-Farbnamen tippen, dann das Feld verlassen</translation>
    </message>
    <message>
        <source>Further names of the color</source>
        <translation>Weitere Namen der Farbe</translation>
    </message>
    <message>
        <source>Color swatch: drag onto the sample page</source>
        <translation>Farbfeld: auf die Beispielseite ziehen</translation>
    </message>
    <message>
        <source>Pressed when the color is one of the 216 web-safe colors; press it to move to the nearest of them</source>
        <translation>Gedrückt, wenn die Farbe eine der 216 websicheren Farben ist; drücken, um zur nächsten von ihnen zu wechseln</translation>
    </message>
    <message>
        <source>Pressed when the color is one of the 16 basic colors; press it to move to the nearest of them</source>
        <translation>Gedrückt, wenn die Farbe eine der 16 Grundfarben ist; drücken, um zur nächsten von ihnen zu wechseln</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>the output could not be written: %1</source>
        <translation>die Ausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the input is UTF-16 text; Rusket reads UTF-8 (iconv -f UTF-16 -t UTF-8 converts it).</source>
        <translation>die Eingabe ist UTF-16-Text; Rusket liest UTF-8 (iconv -f UTF-16 -t UTF-8 wandelt sie um).</translation>
    </message>
    <message>
        <source>the input could not be read: %1</source>
        <translation>die Eingabe konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CopyPreferences</name>
    <message>
        <source>A template needs a name.</source>
        <translation>Eine Vorlage braucht einen Namen.</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in format.</source>
        <translation>%1 ist der Name eines eingebauten Formats.</translation>
    </message>
    <message>
        <source>There is a template named %1 already.</source>
        <translation>Es gibt bereits eine Vorlage namens %1.</translation>
    </message>
</context>
<context>
    <name>CssColorReader</name>
    <message>
        <source>the end</source>
        <translation>dem Ende</translation>
    </message>
    <message>
        <source>the number %1</source>
        <translation>der Zahl %1</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal digit</source>
        <translation>%1 ist keine hexadezimale Ziffer</translation>
    </message>
    <message>
        <source>%1 is not an angle unit</source>
        <translation>%1 ist keine Winkeleinheit</translation>
    </message>
    <message>
        <source>%1 is not a component here</source>
        <translation>%1 ist hier keine Komponente</translation>
    </message>
    <message>
        <source>%1 cannot stand for a component</source>
        <translation>%1 kann nicht für eine Komponente stehen</translation>
    </message>
    <message>
        <source>a component is missing before %1</source>
        <translation>vor %1 fehlt eine Komponente</translation>
    </message>
    <message>
        <source>calc() needs white space around + and -</source>
        <translation>calc() braucht Leerraum um + und -</translation>
    </message>
    <message>
        <source>calc() cannot add values of different kinds</source>
        <translation>calc() kann Werte verschiedener Art nicht addieren</translation>
    </message>
    <message>
        <source>calc() can only multiply or divide by a plain number</source>
        <translation>calc() kann nur mit einer einfachen Zahl multiplizieren oder durch sie teilen</translation>
    </message>
    <message>
        <source>the comma form of %1() separates every component by a comma</source>
        <translation>die Kommaform von %1() trennt jede Komponente durch ein Komma</translation>
    </message>
    <message>
        <source>%1() has no comma form</source>
        <translation>%1() hat keine Kommaform</translation>
    </message>
    <message>
        <source>%1() needs three components</source>
        <translation>%1() braucht drei Komponenten</translation>
    </message>
    <message>
        <source>unexpected %1 in %2()</source>
        <translation>unerwartet %1 in %2()</translation>
    </message>
    <message>
        <source>the legacy %1() form does not take none</source>
        <translation>die alte Form von %1() nimmt kein none</translation>
    </message>
    <message>
        <source>the alpha cannot be an angle</source>
        <translation>Alpha kann kein Winkel sein</translation>
    </message>
    <message>
        <source>the hue of %1() is a number or an angle, not a percentage</source>
        <translation>der Farbton von %1() ist eine Zahl oder ein Winkel, kein Prozentwert</translation>
    </message>
    <message>
        <source>%1() takes an angle only for its hue</source>
        <translation>%1() nimmt einen Winkel nur für den Farbton</translation>
    </message>
    <message>
        <source>the legacy rgb() form cannot mix numbers and percentages</source>
        <translation>die alte Form von rgb() kann Zahlen und Prozentwerte nicht mischen</translation>
    </message>
    <message>
        <source>the legacy hsl() form needs percentages for saturation and lightness</source>
        <translation>die alte Form von hsl() braucht Prozentwerte für Sättigung und Helligkeit</translation>
    </message>
    <message>
        <source>color() takes no angles</source>
        <translation>color() nimmt keine Winkel</translation>
    </message>
    <message>
        <source>color-mix() cannot mix in %1</source>
        <translation>color-mix() kann nicht in %1 mischen</translation>
    </message>
    <message>
        <source>%1 has no hue to interpolate</source>
        <translation>%1 hat keinen Farbton zum Interpolieren</translation>
    </message>
    <message>
        <source>color-mix() needs &apos;hue&apos; after %1</source>
        <translation>color-mix() braucht &apos;hue&apos; nach %1</translation>
    </message>
    <message>
        <source>the shares in color-mix() add up to 0%</source>
        <translation>die Anteile in color-mix() ergeben zusammen 0%</translation>
    </message>
    <message>
        <source>unexpected %1 after the color</source>
        <translation>unerwartet %1 nach der Farbe</translation>
    </message>
    <message>
        <source>functions and parentheses are nested more than %1 deep</source>
        <translation>Funktionen und Klammern sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>there is no color</source>
        <translation>hier steht keine Farbe</translation>
    </message>
    <message>
        <source>%1 is not a color</source>
        <translation>%1 ist keine Farbe</translation>
    </message>
    <message>
        <source>currentcolor depends on the page: it is the color of the text around it</source>
        <translation>currentcolor hängt von der Seite ab: es ist die Farbe des Textes ringsum</translation>
    </message>
    <message>
        <source>%1 is a system color: it depends on the page and the reader&apos;s settings</source>
        <translation>%1 ist eine Systemfarbe: sie hängt von der Seite und den Einstellungen des Lesers ab</translation>
    </message>
    <message>
        <source>unknown color name %1</source>
        <translation>unbekannter Farbname %1</translation>
    </message>
    <message>
        <source>&apos;#%1&apos; is not a color: a hexadecimal color has 3, 4, 6 or 8 digits</source>
        <translation>&apos;#%1&apos; ist keine Farbe: eine hexadezimale Farbe hat 3, 4, 6 oder 8 Ziffern</translation>
    </message>
    <message>
        <source>light-dark() depends on the page&apos;s color scheme</source>
        <translation>light-dark() hängt vom Farbschema der Seite ab</translation>
    </message>
    <message>
        <source>%1() is not a color function</source>
        <translation>%1() ist keine Farbfunktion</translation>
    </message>
    <message>
        <source>%1 is not closed before %2</source>
        <translation>%1 ist vor %2 nicht geschlossen</translation>
    </message>
    <message>
        <source>round() needs a comma after its rounding strategy</source>
        <translation>round() braucht ein Komma nach der Rundungsart</translation>
    </message>
    <message>
        <source>%1 takes one or two values</source>
        <translation>%1 nimmt einen oder zwei Werte</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 nimmt einen Wert</translation>
    </message>
    <message>
        <source>%1 takes %2 values</source>
        <translation>%1 nimmt %2 Werte</translation>
    </message>
    <message>
        <source>%1 cannot take values of different kinds</source>
        <translation>%1 kann keine Werte verschiedener Art nehmen</translation>
    </message>
    <message>
        <source>round() needs a step to round a percentage or an angle</source>
        <translation>round() braucht eine Schrittweite, um einen Prozentwert oder einen Winkel zu runden</translation>
    </message>
    <message>
        <source>%1 takes a number or an angle</source>
        <translation>%1 nimmt eine Zahl oder einen Winkel</translation>
    </message>
    <message>
        <source>%1 takes plain numbers</source>
        <translation>%1 nimmt nur einfache Zahlen</translation>
    </message>
    <message>
        <source>color() does not know the color space %1</source>
        <translation>color() kennt den Farbraum %1 nicht</translation>
    </message>
    <message>
        <source>color-mix() begins with &apos;in&apos; and a color space</source>
        <translation>color-mix() beginnt mit &apos;in&apos; und einem Farbraum</translation>
    </message>
    <message>
        <source>color-mix() needs a comma after its color space</source>
        <translation>color-mix() braucht ein Komma nach dem Farbraum</translation>
    </message>
    <message>
        <source>color-mix() needs a comma between its two colors</source>
        <translation>color-mix() braucht ein Komma zwischen seinen zwei Farben</translation>
    </message>
    <message>
        <source>color-mix() mixes two colors; unexpected %1</source>
        <translation>color-mix() mischt zwei Farben; unerwartet %1</translation>
    </message>
    <message>
        <source>color-mix() takes one hue interpolation method</source>
        <translation>color-mix() nimmt nur eine Art, den Farbton zu interpolieren</translation>
    </message>
    <message>
        <source>a color&apos;s share in color-mix() is a percentage from 0% to 100%</source>
        <translation>der Anteil einer Farbe in color-mix() ist ein Prozentwert von 0% bis 100%</translation>
    </message>
    <message>
        <source>the text is longer than %1 characters: no color is so long</source>
        <translation>der Text ist länger als %1 Zeichen: so lang ist keine Farbe</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>CSS custom properties</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften</translation>
    </message>
    <message>
        <source>Tailwind theme</source>
        <translation>Tailwind-Theme</translation>
    </message>
    <message>
        <source>Design tokens</source>
        <translation>Design-Tokens</translation>
    </message>
    <message>
        <source>GIMP palette</source>
        <translation>GIMP-Palette</translation>
    </message>
    <message>
        <source>Plain lines</source>
        <translation>Einfache Zeilen</translation>
    </message>
    <message>
        <source>Export &quot;%1&quot;</source>
        <translation>„%1“ exportieren</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Each color as</source>
        <translation>Jede Farbe als</translation>
    </message>
    <message>
        <source>What is exported</source>
        <translation>Was exportiert wird</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Form:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>Each color &amp;as:</source>
        <translation>Jede Farbe &amp;als:</translation>
    </message>
    <message>
        <source>Template &quot;%1&quot;</source>
        <translation>Vorlage „%1“</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The palette could not be exported: %1</source>
        <translation>Die Palette konnte nicht exportiert werden: %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>InfoText</name>
    <message>
        <source>Two documents for understanding web colors can be downloaded at the W3C (https://www.w3.org/), the official HTML4 and CSS2 specifications. This program is only meant as a tool to be used additionally to an editor (such as Notepad) if you already know how the colors work.</source>
        <translation>Zwei Dokumente zum Verständnis der Webfarben können beim W3C (https://www.w3.org/) heruntergeladen werden: die offiziellen Spezifikationen von HTML4 und CSS2. Dieses Programm ist nur als Werkzeug gedacht, das zusätzlich zu einem Editor (etwa Notepad) benutzt wird, wenn Sie bereits wissen, wie die Farben funktionieren.</translation>
    </message>
    <message>
        <source>Rusket %1 is freeware, written by the Rusket authors. Visit the authors&apos; web site for more free programs.</source>
        <translation>Rusket %1 ist Freeware, geschrieben von den Rusket-Autoren. Weitere freie Programme finden Sie auf der Website der Autoren.</translation>
    </message>
</context>
<context>
    <name>LoadError</name>
    <message>
        <source>cannot be read: neither %1 nor %2 exists</source>
        <translation>kann nicht gelesen werden: weder %1 noch %2 existiert</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>holds more than %1 color names, the most the table takes</source>
        <translation>enthält mehr als %1 Farbnamen, die höchste Zahl, die die Tabelle fasst</translation>
    </message>
    <message>
        <source>the file ends where a color component was expected</source>
        <translation>die Datei endet, wo eine Farbkomponente erwartet wurde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color component (a whole number from 0 to 255)</source>
        <translation>„%1“ ist keine Farbkomponente (eine ganze Zahl von 0 bis 255)</translation>
    </message>
    <message numerus="yes">
        <source>ends after %n of its %1 colors</source>
        <translation>
            <numerusform>endet nach %n ihrer %1 Farben</numerusform>
            <numerusform>endet nach %n ihrer %1 Farben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Rusket cannot start: %1</source>
        <translation>Rusket kann nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>On white %1, on black %2
Pick from Screen: right-click or Ctrl+Shift+P</source>
        <translation>Auf Weiß %1, auf Schwarz %2
Vom Bildschirm aufnehmen: Rechtsklick oder Strg+Umschalt+P</translation>
    </message>
    <message>
        <source>Error %1 selecting color.<byte value="xd"/>
%2</source>
        <translation>Fehler %1 bei der Farbwahl.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>This is no color: %1.</source>
        <translation>Das ist keine Farbe: %1.</translation>
    </message>
</context>
<context>
    <name>PaletteKeeper</name>
    <message>
        <source>&amp;Palettes</source>
        <translation>&amp;Paletten</translation>
    </message>
    <message>
        <source>&amp;Add to Palette</source>
        <translation>Zur Palette &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add to a New Palette</source>
        <translation>Zu neuer Palette &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add to &quot;%1&quot;</source>
        <translation>Zu „%1“ &amp;hinzufügen</translation>
    </message>
    <message>
        <source>My Colors</source>
        <translation>Meine Farben</translation>
    </message>
</context>
<context>
    <name>PaletteLibrary</name>
    <message>
        <source>Some palettes could not be read in full. Their files are left as they are:</source>
        <translation>Einige Paletten konnten nicht vollständig gelesen werden. Ihre Dateien bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>This change could not be saved:</source>
        <translation>Diese Änderung konnte nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <translation>... und 1 weitere Meldung.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere Meldungen.</translation>
    </message>
</context>
<context>
    <name>PaletteModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Palettes</name>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>die Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: a color line starts with three whole numbers from 0 to 255 (red, green, blue)</source>
        <translation>„%1“ ist keine Farbe: eine Farbzeile beginnt mit drei ganzen Zahlen von 0 bis 255 (Rot, Grün, Blau)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column count from 0 to 255</source>
        <translation>„%1“ ist keine Spaltenzahl von 0 bis 255</translation>
    </message>
    <message>
        <source>further lines that could not be read: %1</source>
        <translation>weitere Zeilen, die nicht gelesen werden konnten: %1</translation>
    </message>
    <message>
        <source>is not a GIMP palette: its first line is not &quot;GIMP Palette&quot;</source>
        <translation>ist keine GIMP-Palette: ihre erste Zeile ist nicht „GIMP Palette“</translation>
    </message>
    <message>
        <source>is larger than %1 MB, too large for a palette</source>
        <translation>ist größer als %1 MB, zu groß für eine Palette</translation>
    </message>
    <message>
        <source>is not a file that can be read: a folder, a device or a pipe</source>
        <translation>ist keine lesbare Datei: ein Ordner, ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>cannot be saved (%1)</source>
        <translation>kann nicht gespeichert werden (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: %2</source>
        <translation>„%1“ ist keine Farbe: %2</translation>
    </message>
    <message>
        <source>holds no color that could be read</source>
        <translation>enthält keine lesbare Farbe</translation>
    </message>
    <message>
        <source>is neither a GIMP palette nor a text with CSS colors</source>
        <translation>ist weder eine GIMP-Palette noch ein Text mit CSS-Farben</translation>
    </message>
    <message>
        <source>a palette needs a name</source>
        <translation>eine Palette braucht einen Namen</translation>
    </message>
    <message>
        <source>another palette already has this name</source>
        <translation>eine andere Palette hat schon diesen Namen</translation>
    </message>
    <message>
        <source>there is no such palette</source>
        <translation>diese Palette gibt es nicht</translation>
    </message>
    <message>
        <source>cannot be deleted (%1)</source>
        <translation>kann nicht gelöscht werden (%1)</translation>
    </message>
</context>
<context>
    <name>PalettesWindow</name>
    <message>
        <source>Rusket Palettes</source>
        <translation>Rusket-Paletten</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>&amp;New Palette...</source>
        <translation>&amp;Neue Palette...</translation>
    </message>
    <message>
        <source>Rename &amp;Palette...</source>
        <translation>&amp;Palette umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete Palette</source>
        <translation>Palette l&amp;öschen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Verlauf leeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Make Current</source>
        <translation>Zur aktuellen Farbe &amp;machen</translation>
    </message>
    <message>
        <source>&amp;Add Current Color</source>
        <translation>Aktuelle Farbe &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Rename Color...</source>
        <translation>Farbe &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Color</source>
        <translation>Farbe &amp;entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>Move R&amp;ight</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>%1: 1 color</source>
        <translation>%1: 1 Farbe</translation>
    </message>
    <message>
        <source>%1: %2 colors</source>
        <translation>%1: %2 Farben</translation>
    </message>
    <message>
        <source>The colors you pick, paste, drop or copy come here.</source>
        <translation>Hier landen aufgenommene, eingefügte, abgelegte und kopierte Farben.</translation>
    </message>
    <message>
        <source>Drop colors here, or press Ctrl+D in the main window.</source>
        <translation>Farben hier ablegen oder im Hauptfenster Strg+D drücken.</translation>
    </message>
    <message>
        <source>Rename Color</source>
        <translation>Farbe umbenennen</translation>
    </message>
    <message>
        <source>Name of %1:</source>
        <translation>Name von %1:</translation>
    </message>
    <message>
        <source>Remove Color</source>
        <translation>Farbe entfernen</translation>
    </message>
    <message>
        <source>Removed %1. Undo with Ctrl+Z.</source>
        <translation>%1 entfernt. Rückgängig mit Strg+Z.</translation>
    </message>
    <message>
        <source>New Palette</source>
        <translation>Neue Palette</translation>
    </message>
    <message>
        <source>Name of the new palette:</source>
        <translation>Name der neuen Palette:</translation>
    </message>
    <message>
        <source>Rename Palette</source>
        <translation>Palette umbenennen</translation>
    </message>
    <message>
        <source>New name of the palette:</source>
        <translation>Neuer Name der Palette:</translation>
    </message>
    <message>
        <source>Delete Palette</source>
        <translation>Palette löschen</translation>
    </message>
    <message>
        <source>Deleted the palette &quot;%1&quot;. Undo with Ctrl+Z.</source>
        <translation>Palette „%1“ gelöscht. Rückgängig mit Strg+Z.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>History cleared. Undo with Ctrl+Z.</source>
        <translation>Verlauf geleert. Rückgängig mit Strg+Z.</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
    <message>
        <source>Palettes and stylesheets (*.gpl *.css *.txt);;All files (*)</source>
        <translation>Paletten und Stylesheets (*.gpl *.css *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be imported:</source>
        <translation>%1 konnte nicht importiert werden:</translation>
    </message>
    <message>
        <source>Some lines of %1 are no color and were passed over:</source>
        <translation>Einige Zeilen von %1 sind keine Farbe und wurden übergangen:</translation>
    </message>
    <message>
        <source>Imported 1 color as &quot;%1&quot;.</source>
        <translation>1 Farbe als „%1“ importiert.</translation>
    </message>
    <message>
        <source>Imported %1 colors as &quot;%2&quot;.</source>
        <translation>%1 Farben als „%2“ importiert.</translation>
    </message>
    <message>
        <source>Some lines of the dropped text are no color and were passed over:</source>
        <translation>Einige Zeilen des abgelegten Textes sind keine Farbe und wurden übergangen:</translation>
    </message>
</context>
<context>
    <name>PickHistory</name>
    <message>
        <source>The color could not be kept in History: %1</source>
        <translation>Die Farbe konnte nicht in History aufgenommen werden: %1</translation>
    </message>
</context>
<context>
    <name>PortalColorPicker</name>
    <message>
        <source>Pick from Screen failed: the desktop portal left the session bus before it answered.</source>
        <translation>Aufnehmen vom Bildschirm fehlgeschlagen: das Desktop-Portal hat den Sitzungsbus verlassen, bevor es antwortete.</translation>
    </message>
    <message>
        <source>Pick from Screen failed: the desktop portal refused the request: %1.</source>
        <translation>Aufnehmen vom Bildschirm fehlgeschlagen: das Desktop-Portal hat die Anfrage abgelehnt: %1.</translation>
    </message>
    <message>
        <source>Pick from Screen failed: the desktop portal ended the request (response %1).</source>
        <translation>Aufnehmen vom Bildschirm fehlgeschlagen: das Desktop-Portal hat die Anfrage beendet (Antwort %1).</translation>
    </message>
    <message>
        <source>Pick from Screen failed: the desktop portal gave no color.</source>
        <translation>Aufnehmen vom Bildschirm fehlgeschlagen: das Desktop-Portal hat keine Farbe geliefert.</translation>
    </message>
</context>
<context>
    <name>PreferencesCommand</name>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>The preferences could not be saved in %1; they hold until Rusket ends.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden; sie gelten, bis Rusket endet.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Form copied by Ctrl+C, drags and --pick</source>
        <translation>Form, die Strg+C, Ziehen und --pick kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C, drags and --pick &amp;copy:</source>
        <translation>Strg+C, Ziehen und --pick &amp;kopieren:</translation>
    </message>
    <message>
        <source>Hexadecimal colors</source>
        <translation>Hexadezimale Farben</translation>
    </message>
    <message>
        <source>&amp;Upper-case digits</source>
        <translation>&amp;Großbuchstaben</translation>
    </message>
    <message>
        <source>Begin with &amp;#</source>
        <translation>Mit &amp;# beginnen</translation>
    </message>
    <message>
        <source>&amp;Short form where it is exact (#f80)</source>
        <translation>Kurz&amp;form, wo sie genau ist (#f80)</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Template name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Text der Vorlage</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Platzhalter: %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>The current color: %1</source>
        <translation>Die aktuelle Farbe: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Gives: %1</source>
        <translation>Ergibt: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (with .f a fraction, .p a percentage,
.x hex digits), a format such as {hex} or {oklch}, its parts
such as {hsl.h}, and {name}.</source>
        <translation>Platzhalter: {r} {g} {b} (mit .f als Bruch, .p als Prozent,
.x als Hexziffern), ein Format wie {hex} oder {oklch},
seine Teile wie {hsl.h}, und {name}.</translation>
    </message>
</context>
<context>
    <name>QtToolkit</name>
    <message>
        <source>The dialog returned no valid color.</source>
        <translation>Der Dialog hat keine gültige Farbe geliefert.</translation>
    </message>
</context>
<context>
    <name>RangeCheck</name>
    <message>
        <source>Value has to be equal or above %1</source>
        <translation>Der Wert muss größer oder gleich %1 sein</translation>
    </message>
    <message>
        <source>Value has to be equal or below %1</source>
        <translation>Der Wert muss kleiner oder gleich %1 sein</translation>
    </message>
</context>
<context>
    <name>SampleExport</name>
    <message>
        <source>Text on background: %1 (%2)</source>
        <translation>Text auf dem Hintergrund: %1 (%2)</translation>
    </message>
    <message>
        <source>Link on background: %1 (%2)</source>
        <translation>Link auf dem Hintergrund: %1 (%2)</translation>
    </message>
    <message>
        <source>Visited link on background: %1 (%2)</source>
        <translation>Besuchter Link auf dem Hintergrund: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SamplePage</name>
    <message>
        <source>Copy as CSS</source>
        <translation>Als CSS kopieren</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>Als HTML kopieren</translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation>Standard setzen</translation>
    </message>
    <message>
        <source>Apply Current Color</source>
        <translation>Aktuelle Farbe anwenden</translation>
    </message>
    <message>
        <source>Make This Color Current</source>
        <translation>Diese Farbe zur aktuellen machen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Simulate &amp;Vision</source>
        <translation>&amp;Sehen simulieren</translation>
    </message>
    <message>
        <source>protanopia (no red cones)</source>
        <translation>Protanopie (keine Rot-Zapfen)</translation>
    </message>
    <message>
        <source>deuteranopia (no green cones)</source>
        <translation>Deuteranopie (keine Grün-Zapfen)</translation>
    </message>
    <message>
        <source>tritanopia (no blue cones)</source>
        <translation>Tritanopie (keine Blau-Zapfen)</translation>
    </message>
    <message>
        <source>Normal Vision</source>
        <translation>Normales Sehen</translation>
    </message>
    <message>
        <source>Protanopia (no red cones)</source>
        <translation>Protanopie (keine Rot-Zapfen)</translation>
    </message>
    <message>
        <source>Deuteranopia (no green cones)</source>
        <translation>Deuteranopie (keine Grün-Zapfen)</translation>
    </message>
    <message>
        <source>Tritanopia (no blue cones)</source>
        <translation>Tritanopie (keine Blau-Zapfen)</translation>
    </message>
    <message>
        <source>%1, as seen with %2</source>
        <translation>%1, so gesehen bei %2</translation>
    </message>
    <message>
        <source>Simulated: %1</source>
        <translation>Simuliert: %1</translation>
    </message>
    <message>
        <source>Sample page background, simulating %1</source>
        <translation>Hintergrund der Beispielseite, simuliert %1</translation>
    </message>
    <message>
        <source>The clipboard could not be written. Please try again.</source>
        <translation>Die Zwischenablage konnte nicht beschrieben werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>achromatopsia (no color)</source>
        <translation>Achromatopsie (keine Farbe)</translation>
    </message>
    <message>
        <source>Achromatopsia (no color)</source>
        <translation>Achromatopsie (keine Farbe)</translation>
    </message>
</context>
<context>
    <name>ScreenGrabPicker</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
    <message numerus="yes">
        <source>%n kept</source>
        <translation>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Pick from Screen is not available here: there is no desktop portal (org.freedesktop.portal.Desktop) and no X11 screen to read.</source>
        <translation>Aufnehmen vom Bildschirm ist hier nicht möglich: es gibt kein Desktop-Portal (org.freedesktop.portal.Desktop) und keinen X11-Bildschirm zum Lesen.</translation>
    </message>
    <message>
        <source>Pick from Screen is not available here: the desktop portal has no color picker and there is no X11 screen to read.</source>
        <translation>Aufnehmen vom Bildschirm ist hier nicht möglich: das Desktop-Portal hat keine Farbauswahl, und es gibt keinen X11-Bildschirm zum Lesen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s color picker takes a single pixel.</source>
        <translation>Die Farbauswahl des Desktops nimmt ein einzelnes Pixel.</translation>
    </message>
    <message>
        <source>+ and - sample 1, 3×3, 5×5 or 9×9 pixels; Shift with the click keeps picking.</source>
        <translation>+ und - nehmen 1, 3×3, 5×5 oder 9×9 Pixel; Umschalt mit dem Klick nimmt weitere Farben auf.</translation>
    </message>
</context>
<context>
    <name>SwatchCommands</name>
    <message>
        <source>Paste Color</source>
        <translation>Farbe einfügen</translation>
    </message>
    <message>
        <source>Copy as</source>
        <translation>Kopieren als</translation>
    </message>
    <message>
        <source>The clipboard holds no text to read as a color.</source>
        <translation>Die Zwischenablage enthält keinen Text, der sich als Farbe lesen ließe.</translation>
    </message>
</context>
<context>
    <name>SwatchView</name>
    <message>
        <source>the dropped text</source>
        <translation>der abgelegte Text</translation>
    </message>
</context>
<context>
    <name>Toolkit</name>
    <message>
        <source>The clipboard could not be written. Please try again.</source>
        <translation>Die Zwischenablage konnte nicht beschrieben werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
</context>
</TS>
