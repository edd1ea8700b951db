#include "gui/shell/gui_main.h"

int main(int argc, char** argv) {
    return finplan::gui::runGui(argc, argv);
}
