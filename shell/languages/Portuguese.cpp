// Portuguese, as Brazil's Windows words it (barra de tarefas, área de
// trabalho, minimizar, área de notificação, "Mostrar área de trabalho"), for
// every Portuguese.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Sobre o Tremolux\r\n"
    "\r\n"
    "    O Tremolux organiza as janelas da área de trabalho com movimentos e gestos "
    "simples do mouse, para que trabalhar com várias janelas ao mesmo tempo fique mais "
    "fácil.\r\n"
    "\r\n"
    "**********\r\n"
    "Novidades\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Novo: deixe o ponteiro no canto inferior direito da tela para espiar a área de "
    "trabalho (todas as janelas são minimizadas por um instante); quando o ponteiro sai "
    "do canto, todas as janelas voltam. Um clique na barra fina na extremidade direita da "
    "barra de tarefas mostra a área de trabalho: minimiza todas as janelas.\r\n"
    "**********\r\n"
    "\r\n"
    "Como funciona\r\n"
    "\r\n"
    "    Organize as janelas do jeito que combina com o seu trabalho: no modo “"
    "Arrastar e bater” (padrão) ou no modo “Deslizar” (ainda mais "
    "rápido).\r\n"
    "\r\n"
    "    No modo “Arrastar e bater”, arraste uma janela pela barra de título até "
    "o ponteiro bater na borda esquerda (ou direita) da tela: a janela ocupa a metade "
    "esquerda (ou direita) da tela. Se bater na borda superior, a janela se estende pela "
    "tela inteira.\r\n"
    "\r\n"
    "    O modo “Deslizar” é mais rápido que o “Arrastar e bater”:\r\n"
    "\r\n"
    "· Deslize o ponteiro rapidamente para baixo pela borda esquerda (ou direita) da tela "
    "(mais de 100 pixels bastam): a janela atual ocupa a metade esquerda (ou direita) da "
    "tela;\r\n"
    "\r\n"
    "· deslize-o rapidamente da esquerda para a direita pela borda superior (mais de 100 "
    "pixels): a janela atual se estende pela tela inteira;\r\n"
    "\r\n"
    "· deslize-o rapidamente da esquerda para a direita pela borda inferior (mais de 100 "
    "pixels): a janela atual é minimizada.\r\n"
    "\r\n"
    "    O menu do ícone na área de notificação e a tecla de atalho Shift+F1 devolvem à "
    "última janela organizada o tamanho e a posição que ela tinha antes.\r\n"
    "\r\n"
    "· Deixe o ponteiro no canto inferior direito da tela para minimizar todas as janelas "
    "por um instante e ver a área de trabalho; afaste-o e todas as janelas voltam na hora. "
    "Um clique na barra fina desse canto faz o mesmo que o botão “Mostrar área de "
    "trabalho”, e é muito mais fácil de alcançar, mesmo sem olhar.\r\n"
    "\r\n"
    "    No menu da área de notificação, você pode impedir que o Tremolux maximize ou "
    "minimize janelas, ou as duas coisas.\r\n"
    "\r\n"
    "    Você pode escolher se o Tremolux inicia com o Windows.\r\n"
    "\r\n"
    "    O Tremolux é ideal para quem trabalha com muitas janelas na área de trabalho, "
    "como funcionários de escritório ou desenvolvedores de software que colocam janelas "
    "lado a lado para compará-las. E, claro, para quem tem “preguiça” de pegar "
    "o teclado ou até de clicar com o mouse ^_^.\r\n"
    "\r\n"
    "    Criado pela equipe do Tremolux\r\n"
    "\r\n"
    "   E-mail:\r\n"
    "\r\n"
    "Site:";

}  // namespace

constexpr Texts kPortugueseTexts{
    .restoreItem = "&Restaurar a última janela",
    .modeMenu = "&Modo",
    .dragBumpItem = "&Arrastar e bater (padrão)",
    .slideItem = "&Deslizar",
    .effectsMenu = "&Efeitos",
    .noMaxItem = "Nunca ma&ximizar uma janela",
    .noMinItem = "Nunca mi&nimizar uma janela",
    .startWithWindowsItem = "Iniciar com o &Windows",
    .helpItem = "S&obre o Tremolux",
    .cleanUpItem = "Remover &configurações (antes de desinstalar)",
    .exitItem = "&Sair",
    .alreadyRunning = "O Tremolux já está em execução.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Esta opção remove tudo o que o Tremolux armazenou no Registro,\r\n"
        "para que nada fique para trás quando você o desinstalar.\r\n"
        "Todas as suas configurações serão perdidas.\r\n\r\n"
        "Deseja removê-las?",
    .cleanUpCaption = "Remover configurações do Tremolux",
    .cleanUpDone =
        "As configurações foram removidas. Agora você pode desinstalar o Tremolux.\r\n"
        "Obrigado por usá-lo; suas sugestões são bem-vindas.",
    .cleanUpRefused =
        "Não foi possível remover todas as configurações: talvez você não tenha direitos de "
        "administrador.\r\nExecute o Tremolux como administrador e tente novamente.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Ajuda",
    .helpText = kHelp,
    .mailLine = "   E-mail:",
    .homePageLine = "Site:",
    .mailLink = "Enviar e-mail",
    .homePageLink = "Visitar o site",
    .messageFont = true,
};

static_assert(Complete(kPortugueseTexts), "Portuguese lacks a text");

}  // namespace tremolux
