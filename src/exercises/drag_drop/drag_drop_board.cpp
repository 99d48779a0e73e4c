#include "drag_drop_board.h"

#include <stdexcept>

namespace lumora {

DragDropBoard::DragDropBoard(std::vector<TableWord> words, std::vector<LabelSize> labels,
                             std::vector<Place> homes, const TableGeometry& table)
    : words_(std::move(words)), labels_(std::move(labels)), homes_(std::move(homes)),
      places_(homes_), columnOf_(words_.size(), 0), rowOf_(words_.size(), 0), table_(table) {
    if (labels_.size() != words_.size() || homes_.size() != words_.size()) {
        throw std::invalid_argument("every word needs its label size and home place");
    }
    cells_.fill(-1);
}

std::size_t DragDropBoard::Index(int c, int k) {
    if (c < 1 || c > kMaxTableColumns || k < 1 || k > kMaxTableRows) {
        throw std::out_of_range("no such table cell");
    }
    return static_cast<std::size_t>((c - 1) * (kMaxTableRows + 1) + k);
}

bool DragDropBoard::StartDrag(int w) {
    if (evaluated_ || w < 0 || w >= Count()) {
        return false;
    }
    ++dragCount_;
    return true;
}

int DragDropBoard::FreeRow(int c) const {
    for (int k = 1; k <= table_.rows; ++k) {
        if (CellWord(c, k) < 0) {
            return k;
        }
    }
    return 0;
}

void DragDropBoard::Put(int w, int c, int k) {
    const auto i = static_cast<std::size_t>(w);
    cells_[Index(c, k)] = w;
    columnOf_[i] = c;
    rowOf_[i] = k;
    places_[i] = table_.CellPlace(c, k, labels_[i]);
}

void DragDropBoard::Leave(int w) {
    const auto i = static_cast<std::size_t>(w);
    if (columnOf_[i] != 0) {
        cells_[Index(columnOf_[i], rowOf_[i])] = -1;
        columnOf_[i] = 0;
        rowOf_[i] = 0;
    }
}

void DragDropBoard::SendHome(int w) {
    Leave(w);
    places_[static_cast<std::size_t>(w)] = homes_[static_cast<std::size_t>(w)];
}

Place DragDropBoard::Drop(int w, Place point) {
    if (evaluated_ || w < 0 || w >= Count()) {
        return w >= 0 && w < Count() ? Position(w) : Place{};
    }
    Leave(w);
    for (int c = 1; c <= table_.columns; ++c) {
        if (!table_.DropArea(c).Holds(point)) {
            continue;
        }
        if (const int k = FreeRow(c)) {
            Put(w, c, k);
            return Position(w);
        }
    }
    SendHome(w);
    return Position(w);
}

bool DragDropBoard::Check() {
    if (evaluated_) {
        return rightCount_ == Count();
    }
    evaluated_ = true;
    rightCount_ = 0;
    for (int w = 0; w < Count(); ++w) {
        const auto i = static_cast<std::size_t>(w);
        if (columnOf_[i] == 0) {
            continue;
        }
        if (columnOf_[i] == words_[i].column) {
            ++rightCount_;
        } else {
            warnings_[Index(columnOf_[i], rowOf_[i])] = words_[i].text;
            SendHome(w);
        }
    }
    wrongCount_ = Count() - rightCount_;
    if (wrongCount_ == 0) {
        return true;
    }
    for (int w = 0; w < Count(); ++w) {
        const int right = words_[static_cast<std::size_t>(w)].column;
        if (ColumnOf(w) != right) {
            if (const int k = FreeRow(right)) {
                Put(w, right, k);
            }
        }
    }
    return false;
}

std::string DragDropBoard::WarningAt(Place pointer) const {
    if (!evaluated_) {
        return {};
    }
    for (int c = 1; c <= table_.columns; ++c) {
        for (int k = 1; k <= table_.rows; ++k) {
            const std::string& text = WarningText(c, k);
            if (!text.empty() && table_.WarningSquare(c, k).Holds(pointer)) {
                return text;
            }
        }
    }
    return {};
}

DragDropBoard SetUpBoard(const DragDropContent& content, SteeringRow& row,
                         const LabelMeasure& measure) {
    std::vector<int> widths;
    for (const auto& h : content.headers) {
        widths.push_back(measure(h).width);
    }
    std::vector<LabelSize> labels;
    for (const auto& w : content.words) {
        labels.push_back(measure(w.text));
        widths.push_back(labels.back().width);
    }
    const int width = ColumnWidth(widths);
    const DragDropLayout layout = ApplyDragDropDefaults(row, width, content.columns);
    auto homes = LayOutPool(labels, layout.pool, layout.poolWidth);
    return DragDropBoard(
        content.words, std::move(labels), std::move(homes),
        {layout.table.left, layout.table.top, width, content.columns, content.rows});
}

} // namespace lumora
