#include "reports/print_order.h"

#include <algorithm>

namespace finplan {

std::vector<int> printOrder(int pageCount, const PrintChoice& choice) {
    std::vector<int> order;
    const int copies = std::max(choice.copies, 1);
    const auto inRange = [&](int page) { return page >= choice.from && page <= choice.to; };
    if (choice.collate) {
        for (int page = std::max(choice.from, 0); page <= std::min(choice.to, pageCount); ++page) {
            order.insert(order.end(), static_cast<std::size_t>(copies), page);
        }
        return order;
    }
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = 0; page <= pageCount; ++page) {
            if (page == 0 || inRange(page)) {
                order.push_back(page);
            }
        }
    }
    return order;
}

} // namespace finplan
