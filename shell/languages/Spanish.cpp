// Spanish, in the words of Spanish Windows: barra de tareas, escritorio,
// minimizar, área de notificación, «Mostrar escritorio».
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Acerca de Tremolux\r\n"
    "\r\n"
    "    Tremolux organiza las ventanas del escritorio con movimientos y gestos sencillos "
    "del mouse, para que trabajar con varias ventanas a la vez sea más fácil.\r\n"
    "\r\n"
    "**********\r\n"
    "Novedades\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Nuevo: deje el puntero en la esquina inferior derecha de la pantalla para echar un "
    "vistazo al escritorio (todas las ventanas se minimizan un momento); cuando el puntero "
    "sale de la esquina, todas las ventanas vuelven. Un clic en la barra fina del extremo "
    "derecho de la barra de tareas muestra el escritorio: minimiza todas las ventanas.\r\n"
    "**********\r\n"
    "\r\n"
    "Cómo funciona\r\n"
    "\r\n"
    "    Coloque las ventanas de la forma que mejor se adapte a su trabajo: en el modo "
    "«Arrastrar y chocar» (predeterminado) o en el modo «Deslizar» (aún más rápido).\r\n"
    "\r\n"
    "    En el modo «Arrastrar y chocar», arrastre una ventana por su barra de título hasta "
    "que el puntero choque con el borde izquierdo (o derecho) de la pantalla: la ventana "
    "ocupa la mitad izquierda (o derecha) de la pantalla. Si choca con el borde superior, "
    "la ventana se extiende por toda la pantalla.\r\n"
    "\r\n"
    "    El modo «Deslizar» es más rápido que «Arrastrar y chocar»:\r\n"
    "\r\n"
    "· Deslice el puntero rápidamente hacia abajo por el borde izquierdo (o derecho) de la "
    "pantalla (basta con más de 100 píxeles): la ventana actual ocupa la mitad izquierda "
    "(o derecha) de la pantalla;\r\n"
    "\r\n"
    "· deslícelo rápidamente de izquierda a derecha por el borde superior (más de 100 "
    "píxeles): la ventana actual se extiende por toda la pantalla;\r\n"
    "\r\n"
    "· deslícelo rápidamente de izquierda a derecha por el borde inferior (más de 100 "
    "píxeles): la ventana actual se minimiza.\r\n"
    "\r\n"
    "    El menú del icono del área de notificación y el método abreviado de teclado "
    "Mayús+F1 devuelven la última ventana colocada a su tamaño y posición anteriores.\r\n"
    "\r\n"
    "· Deje el puntero en la esquina inferior derecha de la pantalla para minimizar un "
    "momento todas las ventanas y ver el escritorio; al apartarlo, todas las ventanas "
    "vuelven enseguida. Un clic en la barra fina de esa esquina hace lo mismo que el botón "
    "«Mostrar escritorio» y es mucho más fácil de alcanzar, incluso sin mirar.\r\n"
    "\r\n"
    "    En el menú del área de notificación puede impedir que Tremolux maximice o "
    "minimice las ventanas, o ambas cosas.\r\n"
    "\r\n"
    "    Puede elegir si Tremolux se inicia con Windows.\r\n"
    "\r\n"
    "    Tremolux es ideal para quien trabaja con muchas ventanas en el escritorio, como "
    "el personal de oficina o los desarrolladores de software que colocan ventanas una "
    "junto a otra para compararlas. Y, por supuesto, para quienes son demasiado «vagos» "
    "para tomar el teclado o incluso hacer clic con el mouse ^_^.\r\n"
    "\r\n"
    "    Creado por el equipo de Tremolux\r\n"
    "\r\n"
    "   Correo:\r\n"
    "\r\n"
    "Sitio web:";

}  // namespace

constexpr Texts kSpanishTexts{
    .restoreItem = "&Restaurar la última ventana",
    .modeMenu = "&Modo",
    .dragBumpItem = "&Arrastrar y chocar (predeterminado)",
    .slideItem = "&Deslizar",
    .effectsMenu = "&Efectos",
    .noMaxItem = "No ma&ximizar nunca una ventana",
    .noMinItem = "No mi&nimizar nunca una ventana",
    .startWithWindowsItem = "Iniciar con &Windows",
    .helpItem = "Acerca &de Tremolux",
    .cleanUpItem = "&Quitar la configuración (antes de desinstalar)",
    .exitItem = "&Salir",
    .alreadyRunning = "Tremolux ya se está ejecutando.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Esta opción quita todo lo que Tremolux ha guardado en el Registro,\r\n"
        "para que no quede nada cuando lo desinstale.\r\n"
        "Se perderá toda su configuración.\r\n\r\n"
        "¿Desea quitarla?",
    .cleanUpCaption = "Quitar la configuración de Tremolux",
    .cleanUpDone =
        "Se ha quitado la configuración. Ya puede desinstalar Tremolux.\r\n"
        "Gracias por usarlo; sus sugerencias son bienvenidas.",
    .cleanUpRefused =
        "No se pudo quitar toda la configuración: es posible que no tenga derechos de "
        "administrador.\r\nEjecute Tremolux como administrador e inténtelo de nuevo.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Ayuda",
    .helpText = kHelp,
    .mailLine = "   Correo:",
    .homePageLine = "Sitio web:",
    .mailLink = "Enviar correo",
    .homePageLink = "Ir al sitio web",
    .messageFont = true,
};

static_assert(Complete(kSpanishTexts), "Spanish lacks a text");

}  // namespace tremolux
