#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace quillmere::test {

// Qt Test classes register themselves here; one main runs them all.
class UiTestRegistry {
  public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static std::vector<Factory>& factories() {
        static std::vector<Factory> all;
        return all;
    }

    template <typename T>
    struct Add {
        Add() {
            factories().push_back([] { return std::make_unique<T>(); });
        }
    };
};

}  // namespace quillmere::test
