#include "design/beam_analysis.h"

#include <algorithm>
#include <cmath>

namespace cw {
namespace {

constexpr int kMaxNodes = 2 * kMaxElementsPerSpan + 1;
constexpr int kMaxDof = 2 * kMaxNodes;

struct Element {
    double x0 = 0.0;
    double L = 0.0;
    double invL = 0.0;
    double d[4] = {};  // w1, theta1, w2, theta2 (m, rad)
    double M0 = 0.0;   // moment and shear at the left end, from the end forces
    double V0 = 0.0;
    int firstLoad = 0;  // its point loads in the sorted list, local positions
    int loadCount = 0;
};

struct Model {
    Element el[2 * kMaxElementsPerSpan];
    int elementCount = 0;
    PointLoad local[kMaxPointLoads];  // x is from the element's left end
    // P b^2 / (6 L^3 EI) and P a^2 / (6 L^3 EI) of each: the fixed-fixed deflection's factor
    // left and right of the load.
    double sideFactor[kMaxPointLoads][2];
    double q = 0.0;
    double EI = 0.0;
    double q24EI = 0.0;  // q / (24 EI)
};

// Equivalent nodal loads (the negative of the fixed-end reactions) of an element's load.
void nodalLoads(const Model& m, const Element& e, double f[4]) {
    const double L = e.L;
    f[0] = m.q * L / 2.0;
    f[1] = m.q * L * L / 12.0;
    f[2] = m.q * L / 2.0;
    f[3] = -m.q * L * L / 12.0;
    for (int k = 0; k < e.loadCount; ++k) {
        const double P = m.local[e.firstLoad + k].force_kN;
        const double a = m.local[e.firstLoad + k].x_m;
        const double b = L - a;
        f[0] += P * b * b * (3.0 * a + b) / (L * L * L);
        f[1] += P * a * b * b / (L * L);
        f[2] += P * a * a * (a + 3.0 * b) / (L * L * L);
        f[3] -= P * a * a * b / (L * L);
    }
}

void stiffness(double EI, double L, double k[4][4]) {
    const double c = EI / (L * L * L);
    const double a = 12.0 * c, b = 6.0 * L * c, d = 4.0 * L * L * c, e = 2.0 * L * L * c;
    k[0][0] = a, k[0][1] = b, k[0][2] = -a, k[0][3] = b;
    k[1][0] = b, k[1][1] = d, k[1][2] = -b, k[1][3] = e;
    k[2][0] = -a, k[2][1] = -b, k[2][2] = a, k[2][3] = -b;
    k[3][0] = b, k[3][1] = e, k[3][2] = -b, k[3][3] = d;
}

struct Values {
    double M, V, w;  // w in mm
    double theta;    // dw/dx, rad
};

// The exact solution inside an element: statics from the left end for M and V, the
// Hermite cubic of the end displacements plus the fixed-fixed deflection of the load for w.
Values evaluate(const Model& m, const Element& e, double x) {
    const double L = e.L;
    double M = e.M0 + e.V0 * x - m.q * x * x / 2.0;
    double V = e.V0 - m.q * x;
    const double s = x * e.invL;
    const double s2 = s * s;
    const double s3 = s2 * s;
    double w = e.d[0] * (1.0 - 3.0 * s2 + 2.0 * s3) + e.d[1] * L * (s - 2.0 * s2 + s3) +
               e.d[2] * (3.0 * s2 - 2.0 * s3) + e.d[3] * L * (s3 - s2);
    double theta = (e.d[2] - e.d[0]) * (6.0 * s - 6.0 * s2) * e.invL +
                   e.d[1] * (1.0 - 4.0 * s + 3.0 * s2) + e.d[3] * (3.0 * s2 - 2.0 * s);
    w += m.q24EI * x * x * (L - x) * (L - x);
    theta += 2.0 * m.q24EI * x * (L - x) * (L - 2.0 * x);
    for (int k = 0; k < e.loadCount; ++k) {
        const double P = m.local[e.firstLoad + k].force_kN;
        const double a = m.local[e.firstLoad + k].x_m;
        const double b = L - a;
        if (x > a) {
            M -= P * (x - a);
            V -= P;
        }
        // Fixed-fixed beam under P at a: mirror the x <= a branch for the other side.
        const bool left = x <= a;
        const double xx = left ? x : L - x;
        const double aa = left ? a : b;
        const double bb = left ? b : a;
        const double c = m.sideFactor[e.firstLoad + k][left ? 0 : 1];
        w += c * xx * xx * (3.0 * aa * L - (3.0 * aa + bb) * xx);
        const double slope = c * (6.0 * aa * L * xx - 3.0 * (3.0 * aa + bb) * xx * xx);
        theta += left ? slope : -slope;
    }
    return {M, V, w * 1000.0, theta};
}

// The deflection alone, mm, for the search of its extremes.
double deflectionAt(const Model& m, const Element& e, double x) {
    const double L = e.L;
    const double s = x * e.invL;
    const double s2 = s * s;
    const double s3 = s2 * s;
    double w = e.d[0] * (1.0 - 3.0 * s2 + 2.0 * s3) + e.d[1] * L * (s - 2.0 * s2 + s3) +
               e.d[2] * (3.0 * s2 - 2.0 * s3) + e.d[3] * L * (s3 - s2);
    w += m.q24EI * x * x * (L - x) * (L - x);
    for (int k = 0; k < e.loadCount; ++k) {
        const double a = m.local[e.firstLoad + k].x_m;
        const bool left = x <= a;
        const double xx = left ? x : L - x;
        const double aa = left ? a : L - a;
        const double bb = L - aa;
        w += m.sideFactor[e.firstLoad + k][left ? 0 : 1] * xx * xx *
             (3.0 * aa * L - (3.0 * aa + bb) * xx);
    }
    return w * 1000.0;
}

// Two-node beam elements give a half bandwidth of three: the upper band is kept,
// K(i, j) = band[i][j - i], and eliminated without pivoting (symmetric positive definite).
constexpr int kBand = 4;

bool solveBanded(double band[kMaxDof][kBand], double F[kMaxDof], int n) {
    for (int k = 0; k < n; ++k) {
        if (!(std::abs(band[k][0]) > 0.0))
            return false;
        const int last = std::min(n - 1, k + kBand - 1);
        for (int i = k + 1; i <= last; ++i) {
            const double f = band[k][i - k] / band[k][0];
            if (f == 0.0)
                continue;
            for (int j = i; j <= last; ++j)
                band[i][j - i] -= f * band[k][j - k];
            F[i] -= f * F[k];
        }
    }
    for (int k = n - 1; k >= 0; --k) {
        double s = F[k];
        const int last = std::min(n - 1, k + kBand - 1);
        for (int j = k + 1; j <= last; ++j)
            s -= band[k][j - k] * F[j];
        F[k] = s / band[k][0];
    }
    return true;
}

void keepExtreme(BeamExtreme& e, double value, double x, bool larger) {
    if (larger ? value > e.value : value < e.value)
        e = {value, x};
}

void keepAbsExtreme(BeamExtreme& e, double value, double x) {
    if (std::abs(value) > std::abs(e.value))
        e = {value, x};
}

}  // namespace

BeamResult analyseBeam(const BeamLayout& beam, const BeamLoads& loads,
                       std::span<BeamStation> stations) {
    BeamResult r;
    const bool twoSpans = beam.system == StaticSystem::TwoSpans;
    const int spans = twoSpans ? 2 : 1;
    const double spanLength[2] = {beam.spanL1_m, twoSpans ? beam.spanL2_m : 0.0};
    const int per = beam.elementsPerSpan;
    const bool spansOk = spanLength[0] > 0.0 && (!twoSpans || spanLength[1] > 0.0) &&
                         std::isfinite(spanLength[0] + spanLength[1]);
    if (!spansOk || !(beam.EI_kNm2 > 0.0) || !std::isfinite(beam.EI_kNm2) || per < 1 ||
        per > kMaxElementsPerSpan || loads.points.size() > kMaxPointLoads ||
        !std::isfinite(loads.q_kNm))
        return r;
    const double total = spanLength[0] + spanLength[1];

    Model m;
    m.q = loads.q_kNm;
    m.EI = beam.EI_kNm2;
    m.q24EI = m.q / (24.0 * m.EI);
    double x = 0.0;
    for (int s = 0; s < spans; ++s) {
        const double Le = spanLength[s] / per;
        for (int i = 0; i < per; ++i) {
            Element& e = m.el[m.elementCount++];
            e.x0 = x;
            e.L = Le;
            e.invL = 1.0 / Le;
            x = i + 1 == per ? (s == 0 ? spanLength[0] : total) : x + Le;
        }
    }
    // Each point load goes to the first element whose right end is not before it (a load on
    // an inner node belongs to the element on its left), at its local position.
    int owner[kMaxPointLoads] = {};
    for (std::size_t j = 0; j < loads.points.size(); ++j) {
        const PointLoad& p = loads.points[j];
        if (!std::isfinite(p.x_m) || !std::isfinite(p.force_kN) || p.x_m < 0.0 || p.x_m > total)
            return r;
        int k = 0;
        while (k + 1 < m.elementCount && p.x_m > m.el[k].x0 + m.el[k].L)
            ++k;
        owner[j] = k;
    }
    int placed = 0;
    for (int k = 0; k < m.elementCount; ++k) {
        Element& e = m.el[k];
        e.firstLoad = placed;
        for (std::size_t j = 0; j < loads.points.size(); ++j)
            if (owner[j] == k) {
                const double a = std::clamp(loads.points[j].x_m - e.x0, 0.0, e.L);
                const double P = loads.points[j].force_kN;
                const double c = P / (6.0 * e.L * e.L * e.L * m.EI);
                m.sideFactor[placed][0] = c * (e.L - a) * (e.L - a);
                m.sideFactor[placed][1] = c * a * a;
                m.local[placed++] = {a, P};
            }
        e.loadCount = placed - e.firstLoad;
    }

    const int nodes = m.elementCount + 1;
    const int n = 2 * nodes;
    // Only the n rows in use are cleared: the bay checks run this a million times a second.
    double K[kMaxDof][kBand];
    double F[kMaxDof];
    for (int i = 0; i < n; ++i) {
        F[i] = 0.0;
        for (int j = 0; j < kBand; ++j)
            K[i][j] = 0.0;
    }
    double ke[4][4];
    double fe[4];
    for (int k = 0; k < m.elementCount; ++k) {
        stiffness(m.EI, m.el[k].L, ke);
        nodalLoads(m, m.el[k], fe);
        for (int i = 0; i < 4; ++i) {
            F[2 * k + i] += fe[i];
            for (int j = i; j < 4; ++j)
                K[2 * k + i][j - i] += ke[i][j];
        }
    }
    // Supports: the deflection is held at each, the rotation too at fixed ends.
    int supportNode[3] = {0, per, nodes - 1};
    r.supportCount = twoSpans ? 3 : 2;
    if (!twoSpans)
        supportNode[1] = nodes - 1;
    bool fixedDof[kMaxDof] = {};
    for (int s = 0; s < r.supportCount; ++s)
        fixedDof[2 * supportNode[s]] = true;
    if (beam.system == StaticSystem::FixedEnds) {
        fixedDof[1] = true;
        fixedDof[n - 1] = true;
    }
    for (int i = 0; i < n; ++i) {
        if (!fixedDof[i])
            continue;
        for (int j = 0; j < kBand; ++j)
            K[i][j] = 0.0;
        for (int j = std::max(0, i - kBand + 1); j < i; ++j)
            K[j][i - j] = 0.0;
        K[i][0] = 1.0;
        F[i] = 0.0;
    }
    if (!solveBanded(K, F, n))
        return r;

    // End forces of each element, f = k d - f_eq; the nodes' forces on the beam assemble to
    // the reactions.
    double nodeForce[kMaxDof];
    std::fill(nodeForce, nodeForce + n, 0.0);
    for (int k = 0; k < m.elementCount; ++k) {
        Element& e = m.el[k];
        for (int i = 0; i < 4; ++i)
            e.d[i] = F[2 * k + i];
        stiffness(m.EI, e.L, ke);
        nodalLoads(m, e, fe);
        double f[4];
        for (int i = 0; i < 4; ++i) {
            f[i] = -fe[i];
            for (int j = 0; j < 4; ++j)
                f[i] += ke[i][j] * e.d[j];
            nodeForce[2 * k + i] += f[i];
        }
        e.V0 = -f[0];
        e.M0 = f[1];
    }
    for (std::size_t s = 0; s < static_cast<std::size_t>(r.supportCount); ++s) {
        const int node = supportNode[s];
        r.supportX_m[s] = node == nodes - 1 ? total : m.el[node].x0;
        r.reactions_kN[s] = -nodeForce[2 * node];
        const Element& e = node == nodes - 1 ? m.el[node - 1] : m.el[node];
        r.supportMoments_kNm[s] = node == nodes - 1 ? evaluate(m, e, e.L).M : e.M0;
    }

    auto elementAt = [&](double xs) -> const Element& {
        int k = 0;
        while (k + 1 < m.elementCount && xs > m.el[k].x0 + m.el[k].L)
            ++k;
        return m.el[k];
    };
    auto valuesAt = [&](double xs) {
        const Element& e = elementAt(xs);
        return evaluate(m, e, std::clamp(xs - e.x0, 0.0, e.L));
    };
    if (stations.size() >= std::size_t(kMaxStations)) {
        for (int s = 0; s < spans; ++s) {
            const double start = s == 0 ? 0.0 : spanLength[0];
            for (int i = s == 0 ? 0 : 1; i <= kStationsPerSpan; ++i) {
                const double xs = i == kStationsPerSpan
                                      ? start + spanLength[s]
                                      : start + spanLength[s] * i / kStationsPerSpan;
                const Values v = valuesAt(xs);
                stations[std::size_t(r.stationCount++)] = {xs, v.M, v.V, v.w};
            }
        }
    }
    // The deflection's extremes: the best of eight points a span, then Newton on the slope
    // (w'' = -M / EI) to where it is zero; the span's ends hold none (supports).
    constexpr int kCoarse = 8;
    const double tolerance = 1e-12 * total;
    for (int s = 0; s < spans; ++s) {
        const double start = s == 0 ? 0.0 : spanLength[0];
        const double Ls = spanLength[s];
        double best = start;
        double bestW = 0.0;
        for (int i = 1; i < kCoarse; ++i) {
            const double xs = start + Ls * i / kCoarse;
            const Element& e = elementAt(xs);
            const double w = deflectionAt(m, e, std::clamp(xs - e.x0, 0.0, e.L));
            if (std::abs(w) > std::abs(bestW)) {
                best = xs;
                bestW = w;
            }
        }
        double xs = best;
        for (int it = 0; it < 6 && bestW != 0.0; ++it) {
            const Values v = valuesAt(xs);
            if (v.M == 0.0)
                break;
            const double next = std::clamp(xs + v.theta * m.EI / v.M, start, start + Ls);
            const bool done = std::abs(next - xs) <= tolerance;
            xs = next;
            if (done)
                break;
        }
        const Element& at = elementAt(xs);
        const double w =
            bestW != 0.0 ? deflectionAt(m, at, std::clamp(xs - at.x0, 0.0, at.L)) : 0.0;
        BeamExtreme here =
            std::abs(w) >= std::abs(bestW) ? BeamExtreme{w, xs} : BeamExtreme{bestW, best};
        r.spanMaxDeflection[std::size_t(s)] = here;
        keepAbsExtreme(r.maxDeflection, here.value, here.x_m);
    }
    for (int k = 0; k < m.elementCount; ++k) {
        const Element& e = m.el[k];
        double cuts[2 * kMaxPointLoads + 4];
        int c = 0;
        cuts[c++] = 0.0;
        for (int j = 0; j < e.loadCount; ++j)
            cuts[c++] = m.local[e.firstLoad + j].x_m;
        cuts[c++] = e.L;
        if (e.loadCount > 1)
            std::sort(cuts + 1, cuts + c - 1);
        for (int j = 0; j < c; ++j) {
            const Values v = evaluate(m, e, cuts[j]);
            keepExtreme(r.maxMoment, v.M, e.x0 + cuts[j], true);
            keepExtreme(r.minMoment, v.M, e.x0 + cuts[j], false);
            // evaluate() gives the shear on the side of x = 0 of a load at the cut; past it
            // the load has acted.
            double right = v.V;
            for (int p = 0; p < e.loadCount; ++p)
                if (m.local[e.firstLoad + p].x_m == cuts[j])
                    right -= m.local[e.firstLoad + p].force_kN;
            keepAbsExtreme(r.maxShear, v.V, e.x0 + cuts[j]);
            keepAbsExtreme(r.maxShear, right, e.x0 + cuts[j]);
            if (j + 1 < c && m.q != 0.0) {
                // Between two cuts V is linear: zero at cut + V / q.
                const double x0 = cuts[j] + right / m.q;
                if (x0 > cuts[j] && x0 < cuts[j + 1]) {
                    const Values z = evaluate(m, e, x0);
                    keepExtreme(r.maxMoment, z.M, e.x0 + x0, true);
                    keepExtreme(r.minMoment, z.M, e.x0 + x0, false);
                }
            }
        }
    }
    r.valid = true;
    return r;
}

}  // namespace cw
