// Italian, in the words of Italian Windows: barra delle applicazioni,
// desktop, ridurre a icona, area di notifica, "Mostra desktop".
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Informazioni su Tremolux\r\n"
    "\r\n"
    "    Tremolux dispone le finestre del desktop con semplici movimenti e gesti del "
    "mouse, per rendere più facile il lavoro con più finestre insieme.\r\n"
    "\r\n"
    "**********\r\n"
    "Novità\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Novità: lascia il puntatore nell'angolo inferiore destro dello schermo per dare "
    "un'occhiata al desktop (tutte le finestre vengono ridotte a icona per un momento); "
    "quando il puntatore lascia l'angolo, tutte le finestre ritornano. Un clic sulla "
    "sottile barra all'estremità destra della barra delle applicazioni mostra il desktop: "
    "riduce a icona tutte le finestre.\r\n"
    "**********\r\n"
    "\r\n"
    "Come funziona\r\n"
    "\r\n"
    "    Disponi le finestre nel modo più adatto al tuo lavoro: in modalità "
    "\"Trascina e urta\" (predefinita) o in modalità \"Scorrimento\" (ancora più "
    "rapida).\r\n"
    "\r\n"
    "    In modalità \"Trascina e urta\", trascina una finestra per la barra del titolo "
    "finché il puntatore urta il bordo sinistro (o destro) dello schermo: la finestra "
    "occupa la metà sinistra (o destra) dello schermo. Se urta il bordo superiore, la "
    "finestra si estende su tutto lo schermo.\r\n"
    "\r\n"
    "    La modalità \"Scorrimento\" è più rapida di \"Trascina e urta\":\r\n"
    "\r\n"
    "· fai scorrere rapidamente il puntatore verso il basso lungo il bordo sinistro (o "
    "destro) dello schermo (bastano più di 100 pixel): la finestra corrente occupa la "
    "metà sinistra (o destra) dello schermo;\r\n"
    "\r\n"
    "· fallo scorrere rapidamente da sinistra a destra lungo il bordo superiore (più di "
    "100 pixel): la finestra corrente si estende su tutto lo schermo;\r\n"
    "\r\n"
    "· fallo scorrere rapidamente da sinistra a destra lungo il bordo inferiore (più di "
    "100 pixel): la finestra corrente viene ridotta a icona.\r\n"
    "\r\n"
    "    Il menu dell'icona nell'area di notifica e la scelta rapida da tastiera "
    "MAIUSC+F1 riportano l'ultima finestra disposta alle dimensioni e alla posizione di "
    "prima.\r\n"
    "\r\n"
    "· Lascia il puntatore nell'angolo inferiore destro dello schermo per ridurre a "
    "icona per un momento tutte le finestre e guardare il desktop; allontanalo e tutte "
    "le finestre ritornano subito. Un clic sulla sottile barra di quell'angolo fa ciò che "
    "fa il pulsante \"Mostra desktop\", ed è molto più facile da raggiungere, anche senza "
    "guardare.\r\n"
    "\r\n"
    "    Dal menu dell'area di notifica puoi impedire a Tremolux di ingrandire o di "
    "ridurre a icona le finestre, o entrambe le cose.\r\n"
    "\r\n"
    "    Puoi scegliere se avviare Tremolux con Windows.\r\n"
    "\r\n"
    "    Tremolux è adatto a chiunque lavori con molte finestre sul desktop, come gli "
    "impiegati o gli sviluppatori software che affiancano le finestre per confrontarle. "
    "E, naturalmente, a chi è troppo \"pigro\" per prendere la tastiera o anche solo per "
    "fare clic con il mouse ^_^.\r\n"
    "\r\n"
    "    Realizzato dal team di Tremolux\r\n"
    "\r\n"
    "   E-mail:\r\n"
    "\r\n"
    "Sito web:";

}  // namespace

constexpr Texts kItalianTexts{
    .restoreItem = "&Ripristina l'ultima finestra",
    .modeMenu = "&Modalità",
    .dragBumpItem = "&Trascina e urta (predefinita)",
    .slideItem = "&Scorrimento",
    .effectsMenu = "&Effetti",
    .noMaxItem = "Non in&grandire mai una finestra",
    .noMinItem = "Non &ridurre mai una finestra a icona",
    .startWithWindowsItem = "Avvia con &Windows",
    .helpItem = "&Informazioni su Tremolux",
    .cleanUpItem = "Rimuovi le impostazio&ni (prima di disinstallare)",
    .exitItem = "E&sci",
    .alreadyRunning = "Tremolux è già in esecuzione.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Questa operazione rimuove tutto ciò che Tremolux ha salvato nel Registro di "
        "sistema,\r\nin modo che non rimanga nulla dopo la disinstallazione.\r\n"
        "Tutte le impostazioni andranno perse.\r\n\r\n"
        "Rimuovere le impostazioni?",
    .cleanUpCaption = "Rimuovi impostazioni di Tremolux",
    .cleanUpDone =
        "Le impostazioni sono state rimosse. Ora è possibile disinstallare Tremolux.\r\n"
        "Grazie per averlo usato; i suggerimenti sono benvenuti.",
    .cleanUpRefused =
        "Impossibile rimuovere alcune impostazioni: potrebbero mancare i diritti di "
        "amministratore.\r\nEseguire Tremolux come amministratore e riprovare.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Guida",
    .helpText = kHelp,
    .mailLine = "   E-mail:",
    .homePageLine = "Sito web:",
    .mailLink = "Invia un'e-mail",
    .homePageLink = "Visita il sito",
    .messageFont = true,
};

static_assert(Complete(kItalianTexts), "Italian lacks a text");

}  // namespace tremolux
