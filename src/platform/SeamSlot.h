#pragma once
#include <memory>

// The one object behind a seam: the double a test puts in place, or else the real one, made
// once when first asked for.
template <typename Interface> class SeamSlot {
public:
    template <typename MakeReal> static std::shared_ptr<Interface> current(MakeReal makeReal) {
        if (slot())
            return slot();
        static const std::shared_ptr<Interface> real = makeReal();
        return real;
    }

    static void setOverride(std::shared_ptr<Interface> replacement) {
        slot() = std::move(replacement);
    }

private:
    static std::shared_ptr<Interface>& slot() {
        static std::shared_ptr<Interface> replacement;
        return replacement;
    }
};
