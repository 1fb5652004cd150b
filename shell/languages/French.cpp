// French, in the words of French Windows: barre des tâches, Bureau, réduire,
// zone de notification, « Afficher le Bureau »; a no-break space (\u00A0)
// before the high punctuation, as French typography keeps it on its line.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "À propos de Tremolux\r\n"
    "\r\n"
    "    Tremolux organise les fenêtres de votre Bureau par de simples mouvements et gestes "
    "de la souris, pour travailler plus facilement avec plusieurs fenêtres à la fois.\r\n"
    "\r\n"
    "**********\r\n"
    "Nouveautés\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Nouveau\u00A0: laissez le pointeur dans le coin inférieur droit de l'écran pour jeter "
    "un coup d'œil au Bureau (toutes les fenêtres sont réduites un instant)\u00A0; quand le "
    "pointeur quitte le coin, toutes les fenêtres reviennent. Un clic sur la fine barre à "
    "l'extrémité droite de la barre des tâches affiche le Bureau\u00A0: il réduit toutes "
    "les fenêtres.\r\n"
    "**********\r\n"
    "\r\n"
    "Fonctionnement\r\n"
    "\r\n"
    "    Disposez vos fenêtres selon votre façon de travailler\u00A0: en mode «\u00A0Glisser "
    "et heurter\u00A0» (par défaut) ou en mode «\u00A0Balayer\u00A0» (plus rapide "
    "encore).\r\n"
    "\r\n"
    "    En mode «\u00A0Glisser et heurter\u00A0», faites glisser une fenêtre par sa barre de "
    "titre jusqu'à ce que le pointeur heurte le bord gauche (ou droit) de l'écran\u00A0: la "
    "fenêtre occupe la moitié gauche (ou droite) de l'écran. S'il heurte le bord "
    "supérieur, la fenêtre s'étend sur tout l'écran.\r\n"
    "\r\n"
    "    Le mode «\u00A0Balayer\u00A0» est plus rapide que «\u00A0Glisser et "
    "heurter\u00A0»\u00A0:\r\n"
    "\r\n"
    "· balayez vite le bord gauche (ou droit) de l'écran vers le bas avec le pointeur "
    "(plus de 100\u00A0pixels suffisent)\u00A0: la fenêtre active occupe la moitié gauche "
    "(ou droite) de l'écran\u00A0;\r\n"
    "\r\n"
    "· balayez vite le bord supérieur de gauche à droite (plus de 100\u00A0pixels)\u00A0: "
    "la fenêtre active s'étend sur tout l'écran\u00A0;\r\n"
    "\r\n"
    "· balayez vite le bord inférieur de gauche à droite (plus de 100\u00A0pixels)\u00A0: "
    "la fenêtre active est réduite.\r\n"
    "\r\n"
    "    Le menu de l'icône de la zone de notification et le raccourci clavier Maj+F1 "
    "rendent à la dernière fenêtre disposée sa taille et sa position d'avant.\r\n"
    "\r\n"
    "· Laissez le pointeur dans le coin inférieur droit de l'écran pour réduire un "
    "instant toutes les fenêtres et voir le Bureau\u00A0; éloignez-le et toutes les "
    "fenêtres reviennent aussitôt. Un clic sur la fine barre de ce coin fait ce que fait "
    "le bouton «\u00A0Afficher le Bureau\u00A0», et elle est bien plus facile à atteindre, "
    "même sans regarder.\r\n"
    "\r\n"
    "    Dans le menu de la zone de notification, vous pouvez interdire à Tremolux "
    "d'agrandir ou de réduire les fenêtres, ou les deux.\r\n"
    "\r\n"
    "    Vous pouvez choisir de démarrer Tremolux avec Windows.\r\n"
    "\r\n"
    "    Tremolux convient à tous ceux qui travaillent avec de nombreuses fenêtres, comme "
    "les employés de bureau ou les développeurs qui placent des fenêtres côte à côte pour "
    "les comparer. Et bien sûr à ceux qui ont la «\u00A0flemme\u00A0» de prendre le "
    "clavier, ou même de cliquer ^_^.\r\n"
    "\r\n"
    "    Créé par l'équipe Tremolux\r\n"
    "\r\n"
    "   E-mail\u00A0:\r\n"
    "\r\n"
    "Site web\u00A0:";

}  // namespace

constexpr Texts kFrenchTexts{
    .restoreItem = "&Restaurer la dernière fenêtre",
    .modeMenu = "&Mode",
    .dragBumpItem = "&Glisser et heurter (par défaut)",
    .slideItem = "&Balayer",
    .effectsMenu = "&Effets",
    .noMaxItem = "Ne jamais &agrandir une fenêtre",
    .noMinItem = "Ne jamais &réduire une fenêtre",
    .startWithWindowsItem = "Démarrer avec &Windows",
    .helpItem = "À &propos de Tremolux",
    .cleanUpItem = "&Supprimer les paramètres (avant la désinstallation)",
    .exitItem = "&Quitter",
    .alreadyRunning = "Tremolux est déjà en cours d'exécution.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Cette opération supprime tout ce que Tremolux a enregistré dans le Registre,\r\n"
        "afin que rien ne reste après sa désinstallation.\r\n"
        "Tous vos paramètres seront perdus.\r\n\r\n"
        "Voulez-vous les supprimer\u00A0?",
    .cleanUpCaption = "Supprimer les paramètres de Tremolux",
    .cleanUpDone =
        "Les paramètres ont été supprimés. Vous pouvez maintenant désinstaller Tremolux.\r\n"
        "Merci de l'avoir utilisé\u00A0; vos suggestions sont les bienvenues.",
    .cleanUpRefused =
        "Certains paramètres n'ont pas pu être supprimés\u00A0: vous n'avez peut-être pas les "
        "droits d'administrateur.\r\nExécutez Tremolux en tant qu'administrateur, puis "
        "réessayez.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Aide",
    .helpText = kHelp,
    .mailLine = "   E-mail\u00A0:",
    .homePageLine = "Site web\u00A0:",
    .mailLink = "Nous écrire",
    .homePageLink = "Visiter le site",
    .messageFont = true,
};

static_assert(Complete(kFrenchTexts), "French lacks a text");

}  // namespace tremolux
