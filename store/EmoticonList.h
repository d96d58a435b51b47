#pragma once

#include "image/ListPicture.h"
#include "store/EmoticonRecord.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace quillmere::store {

using PictureFactory = std::function<std::unique_ptr<image::ListPicture>()>;

// The two lists of a list page: the records in load order and, under the same index, the
// owned pictures.
struct EmoticonList {
    std::vector<EmoticonRecord> m_IconListVector;
    std::map<int, std::unique_ptr<image::ListPicture>> iconMap;
    int counter = 0;

    // Empties both lists, destroying the pictures, and restarts the counter.
    void clear() {
        iconMap.clear();
        m_IconListVector.clear();
        counter = 0;
    }
};

}  // namespace quillmere::store
