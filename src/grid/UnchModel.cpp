#include "grid/UnchModel.h"

#include <algorithm>

namespace tessaran {

UnchModel UnchModel::normalised() const {
    UnchModel m = *this;
    const size_t n = std::min(m.minUnched.size(), m.maxUnched.size());
    m.minUnched.resize(n);
    m.maxUnched.resize(n);
    while (!m.minUnched.empty() && m.minUnched.back() == 0 &&
           m.maxUnched.back() == static_cast<int>(m.maxUnched.size())) {
        m.minUnched.pop_back();
        m.maxUnched.pop_back();
    }
    for (size_t i = 0; i < m.minUnched.size(); ++i) {
        m.minUnched[i] = std::max(m.minUnched[i], 0);
        m.maxUnched[i] = std::max(m.maxUnched[i], m.minUnched[i]);
        m.maxUnched[i] = std::min(m.maxUnched[i], static_cast<int>(i) + 1);
    }
    return m;
}

}  // namespace tessaran
