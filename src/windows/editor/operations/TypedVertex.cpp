// Typing the coordinates of one vertex. The vertex keeps its place in the
// list and its figure; only its x and y change.
#include <optional>
#include <string>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/TGEditF.h"
#include "windows/editor/operations/TypedVertex.h"

namespace vantor {

namespace {
// The data range of the sheet's pixels: a vertex typed here can also be
// reached with the mouse, and lies on or left of the axis.
constexpr long double MaxTypedX = TGEditF::AxisColumn;
constexpr long double MaxTypedY = TGEditF::BaseRow;
}  // namespace

std::optional<TypedVertex> parseTypedVertex(const std::string& typed, long double maxX, long double maxY) {
    const std::string answer = removeSpaces(typed);
    const std::size_t comma = answer.find(',');
    if (comma == std::string::npos || answer.find(',', comma + 1) != std::string::npos) return std::nullopt;
    const std::string xs = answer.substr(0, comma);
    const std::string ys = answer.substr(comma + 1);
    if (!isSignedDecimal(xs) || !isSignedDecimal(ys)) return std::nullopt;
    const std::optional<long double> px = parseDecimal(xs, Exponent::Refused);
    const std::optional<long double> py = parseDecimal(ys, Exponent::Refused);
    if (!px || !py) return std::nullopt;
    const long double vx = *px, vy = *py;
    if (!(vx >= 0 && vx <= maxX && vy >= -maxY && vy <= maxY)) return std::nullopt;
    return TypedVertex{static_cast<float>(vx), static_cast<float>(vy)};
}

void TGEditF::typeVertex(int px, int py) {
    FigureStore& s = store();
    const std::int32_t k = nearestVertex(px, py);
    if (k < 1) return;
    std::int32_t first = k, last = k;
    while (first > 1 && s.link(first - 1) == 1) --first;
    while (last < s.VertexCount && s.link(last) == 1) ++last;
    showPicked(s.figure(k), last - first + 1);
    const std::string initial = shortestDecimal(s.x(k)) + ", " + shortestDecimal(s.y(k));
    const std::string typed = m_workspace.desktop.inputBox(
        "頂点の座標", "頂点の座標を x, y で入力して下さい（x は 0 以上 302 以下、y は -122 以上 122 以下）", initial);
    m_pickedText.clear();
    const std::optional<TypedVertex> v = parseTypedVertex(typed, MaxTypedX, MaxTypedY);
    if (!v || (v->x == s.x(k) && v->y == s.y(k))) {
        refreshStatusLine();
        return;
    }
    s.x(k) = v->x;
    s.y(k) = v->y;
    EdittedProc();
    GESheetInit();
    checkpoint();
    refreshStatusLine();
}

}  // namespace vantor
