#include "docking/WindowDocking.h"

#include "docking/QtDocking.h"

namespace docking {

void EnableDocking(QWidget* window) {
    if (QtDocking* docking = QtDocking::instance()) docking->Enable(window);
}

void DisableDocking(QWidget* window) {
    if (QtDocking* docking = QtDocking::instance()) docking->Disable(window);
}

} // namespace docking
