#include "print/printcommand.h"

#include "wizard.h"

namespace tarnik {

PrintCommand::PrintCommand(Wizard& wizard, QObject* parent) : QObject(parent), wizard_(wizard) {}

void PrintCommand::preparePages() {
    wizard_.storePendingEdit();
    wizard_.walkPages();
}

} // namespace tarnik
