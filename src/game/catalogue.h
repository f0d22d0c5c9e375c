#pragma once

#include <string>

namespace brindolo {

// The picture catalogue the game draws its words from: bare file names in
// directory order.
class Catalogue {
public:
    virtual ~Catalogue() = default;
    virtual void clear() = 0;
    virtual void append(const std::string& name) = 0;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
};

}  // namespace brindolo
