// German, in the words of German Windows: Taskleiste, Desktop, minimieren,
// Infobereich, „Desktop anzeigen“.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Info über Tremolux\r\n"
    "\r\n"
    "    Tremolux ordnet die Fenster auf Ihrem Desktop mit einfachen Bewegungen und "
    "Gesten der Maus an, damit die Arbeit mit mehreren Fenstern leichter wird.\r\n"
    "\r\n"
    "**********\r\n"
    "Neuerungen\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Neu: Lassen Sie den Mauszeiger in der unteren rechten Bildschirmecke ruhen, um einen "
    "Blick auf den Desktop zu werfen (alle Fenster werden kurz minimiert); verlässt der "
    "Zeiger die Ecke, kehren alle Fenster zurück. Ein Klick auf den schmalen Streifen am "
    "rechten Ende der Taskleiste zeigt den Desktop an: Er minimiert alle Fenster.\r\n"
    "**********\r\n"
    "\r\n"
    "So funktioniert es\r\n"
    "\r\n"
    "    Ordnen Sie Ihre Fenster so an, wie es zu Ihrer Arbeitsweise passt: im Modus "
    "„Ziehen und Anstoßen“ (Standard) oder im Modus „Streichen“ (noch schneller).\r\n"
    "\r\n"
    "    Ziehen Sie im Modus „Ziehen und Anstoßen“ ein Fenster an der Titelleiste, bis der "
    "Zeiger an den linken (oder rechten) Bildschirmrand stößt: Das Fenster belegt die "
    "linke (oder rechte) Bildschirmhälfte. Stößt er an den oberen Rand, erstreckt sich "
    "das Fenster über den ganzen Bildschirm.\r\n"
    "\r\n"
    "    Der Modus „Streichen“ ist schneller als „Ziehen und Anstoßen“:\r\n"
    "\r\n"
    "· Streichen Sie mit dem Zeiger schnell am linken (oder rechten) Bildschirmrand "
    "nach unten (mehr als 100 Pixel genügen): Das aktuelle Fenster belegt die linke "
    "(oder rechte) Bildschirmhälfte;\r\n"
    "\r\n"
    "· streichen Sie schnell von links nach rechts am oberen Rand entlang (mehr als 100 "
    "Pixel): Das aktuelle Fenster erstreckt sich über den ganzen Bildschirm;\r\n"
    "\r\n"
    "· streichen Sie schnell von links nach rechts am unteren Rand entlang (mehr als 100 "
    "Pixel): Das aktuelle Fenster wird minimiert.\r\n"
    "\r\n"
    "    Über das Menü des Symbols im Infobereich oder die Tastenkombination Umschalt+F1 "
    "erhält das zuletzt angeordnete Fenster seine frühere Größe und Position zurück.\r\n"
    "\r\n"
    "· Lassen Sie den Zeiger in der unteren rechten Bildschirmecke ruhen, um alle Fenster "
    "kurz zu minimieren und den Desktop anzusehen; bewegen Sie ihn weg, kehren alle "
    "Fenster sofort zurück. Ein Klick auf den schmalen Streifen in dieser Ecke wirkt wie "
    "die Schaltfläche „Desktop anzeigen“ und ist viel leichter zu erreichen, auch ohne "
    "hinzusehen.\r\n"
    "\r\n"
    "    Im Menü des Infobereichs können Sie Tremolux das Maximieren oder das Minimieren "
    "von Fenstern untersagen, oder beides.\r\n"
    "\r\n"
    "    Sie können wählen, ob Tremolux mit Windows gestartet wird.\r\n"
    "\r\n"
    "    Tremolux eignet sich für alle, die mit vielen Fenstern auf dem Desktop arbeiten, "
    "etwa Büroangestellte oder Softwareentwickler, die Fenster zum Vergleichen "
    "nebeneinanderstellen. Und natürlich für alle, die zu „faul“ sind, zur Tastatur zu "
    "greifen oder auch nur mit der Maus zu klicken ^_^.\r\n"
    "\r\n"
    "    Erstellt vom Tremolux-Team\r\n"
    "\r\n"
    "   E-Mail:\r\n"
    "\r\n"
    "Website:";

}  // namespace

constexpr Texts kGermanTexts{
    .restoreItem = "&Letztes Fenster wiederherstellen",
    .modeMenu = "&Modus",
    .dragBumpItem = "&Ziehen und Anstoßen (Standard)",
    .slideItem = "&Streichen",
    .effectsMenu = "&Effekte",
    .noMaxItem = "Fenster nie &maximieren",
    .noMinItem = "Fenster nie m&inimieren",
    .startWithWindowsItem = "Mit &Windows starten",
    .helpItem = "&Info über Tremolux",
    .cleanUpItem = "Einstellungen en&tfernen (vor der Deinstallation)",
    .exitItem = "&Beenden",
    .alreadyRunning = "Tremolux wird bereits ausgeführt.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Hiermit wird alles entfernt, was Tremolux in der Registrierung gespeichert hat,\r\n"
        "damit bei der Deinstallation nichts zurückbleibt.\r\n"
        "Alle Ihre Einstellungen gehen verloren.\r\n\r\n"
        "Möchten Sie die Einstellungen entfernen?",
    .cleanUpCaption = "Tremolux-Einstellungen entfernen",
    .cleanUpDone =
        "Die Einstellungen wurden entfernt. Sie können Tremolux jetzt deinstallieren.\r\n"
        "Vielen Dank, dass Sie Tremolux verwendet haben. Ihre Vorschläge sind willkommen.",
    .cleanUpRefused =
        "Einige Einstellungen konnten nicht entfernt werden. Möglicherweise fehlen Ihnen "
        "Administratorrechte.\r\nFühren Sie Tremolux als Administrator aus, und versuchen "
        "Sie es erneut.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta Hilfe",
    .helpText = kHelp,
    .mailLine = "   E-Mail:",
    .homePageLine = "Website:",
    .mailLink = "E-Mail senden",
    .homePageLink = "Website öffnen",
    .messageFont = true,
};

static_assert(Complete(kGermanTexts), "German lacks a text");

}  // namespace tremolux
