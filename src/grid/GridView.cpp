#include "grid/GridView.h"

namespace tessaran {

GridView::~GridView() = default;

int GridView::fillProgress(const FillView*, const Light*, int, int) {
    return 0;
}

int GridView::fillChoose(int, int, int*, const Light*, int, std::uint8_t*, const std::uint8_t*,
                         int&) {
    return 3;
}

}  // namespace tessaran
