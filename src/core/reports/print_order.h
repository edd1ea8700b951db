#pragma once

#include <vector>

namespace finplan {

// The pages a print dialog chose (0 is the title page) and how many copies of them.
struct PrintChoice {
    int from = 0;
    int to = 0;
    int copies = 1;
    bool collate = false;
};

// The order the pages of a set of pageCount pages (plus the title page 0) go to the printer.
// Without collate every copy runs through the set, always starting with the title page; with
// collate each page of the range goes out once per copy before the next one.
std::vector<int> printOrder(int pageCount, const PrintChoice& choice);

} // namespace finplan
