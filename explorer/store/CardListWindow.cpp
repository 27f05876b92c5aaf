#include "explorer/store/CardListWindow.h"

namespace store {

CardListWindow::~CardListWindow() = default;

} // namespace store
