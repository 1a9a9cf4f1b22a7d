// make_pictures: draws every built-in picture of Tarnok with QPainter.
//
// Each picture lives beside the code that shows it, in src/main_window/pictures or, when
// more than one window shows it, in src/common/pictures; they are committed and compiled
// into the program as Qt resources. To regenerate them after changing this file:
//
//   cmake -S . -B build -G Ninja -DTARNOK_TOOLS=ON
//   cmake --build build --target make_pictures
//   QT_QPA_PLATFORM=offscreen build/tools/make_pictures src
//
// Output is deterministic: every bit of noise comes from fixed seeds, so running
// the tool twice gives identical files.
//
// What is drawn:
//   element_N.bmp  a small "photograph" of each element of the first twenty and of
//                  iron, copper, silver and gold (24-bit BMP)
//   electron.jpg   a shaded blue ball
//   nucleus.jpg    a shaded orange-red ball
//   ring.jpg       a thin black circle, stretched into the shells (common)
//   tarnok.ico     the program icon, 32x32 and 16x16 in 16 colours (common)

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Numbers and noise

constexpr double kPi = std::numbers::pi;

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// SplitMix64: a tiny generator whose sequence is the same on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double uniform(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(next() >> 11) / 9007199254740992.0;
    }

private:
    std::uint64_t state_;
};

// A value in -1..1 fixed to each lattice point.
double latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0 * 2.0 - 1.0;
}

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    // Quintic fade: smooth enough in its second derivative that lit surfaces
    // built from the noise show no creases along the lattice.
    tx = tx * tx * tx * (tx * (tx * 6.0 - 15.0) + 10.0);
    ty = ty * ty * ty * (ty * (ty * 6.0 - 15.0) + 10.0);
    const double top = mix(latticeValue(ix, iy, seed), latticeValue(ix + 1, iy, seed), tx);
    const double bottom =
        mix(latticeValue(ix, iy + 1, seed), latticeValue(ix + 1, iy + 1, seed), tx);
    return mix(top, bottom, ty);
}

// Fractal noise in about -1..1.
double fbm(double x, double y, std::uint32_t seed, int octaves = 4) {
    double sum = 0.0;
    double amplitude = 0.5;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        total += amplitude;
        // Turn each octave a little so that the lattices do not line up.
        const double turnedX = 0.8 * x - 0.6 * y;
        const double turnedY = 0.6 * x + 0.8 * y;
        x = turnedX * 2.03;
        y = turnedY * 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 normalized(Vec3 a) {
    return a * (1.0 / std::sqrt(dot(a, a)));
}

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Rgb toRgb(QRgb c) {
    return {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0};
}
Rgb operator*(Rgb a, double s) {
    return {a.r * s, a.g * s, a.b * s};
}
Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb mix(Rgb a, Rgb b, double t) {
    return a * (1.0 - t) + b * t;
}

QRgb toQRgb(Rgb c) {
    auto channel = [](double v) { return static_cast<int>(std::lround(clamp01(v) * 255.0)); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// ---------------------------------------------------------------------------
// The elements

enum class Kind {
    GasFlask,         // a stoppered glass flask holding the gas
    MetalLumps,       // a few lumps of metal
    MetalUnderOil,    // pieces of an alkali metal in a small jar of oil
    Graphite,         // black, layered lumps of carbon
    SulphurCrystals,  // a cluster of yellow crystals
    RedPowder,        // a heap of red phosphorus
    SiliconChunk,     // a grey crystalline chunk with a metallic sheen
    BoronPowder,      // dark brown powder with a few lumps in it
};

struct ElementPicture {
    int number;
    int width;   // pixels
    int height;  // pixels
    Kind kind;
    QRgb colour;   // the gas, the metal or the material
    QRgb sheen;    // colour of reflections and highlights
    double shine;  // 0 dull .. 1 mirror-bright
};

// clang-format off
constexpr std::array<ElementPicture, 24> kElements{{
    { 1,  95, 168, Kind::GasFlask,        qRgb(226, 233, 240), qRgb(255, 255, 255), 0.00},
    { 2,  94, 147, Kind::GasFlask,        qRgb(228, 232, 240), qRgb(255, 255, 255), 0.00},
    { 3, 105, 119, Kind::MetalUnderOil,   qRgb(168, 168, 164), qRgb(214, 214, 210), 0.45},
    { 4, 170, 127, Kind::MetalLumps,      qRgb(128, 131, 135), qRgb(178, 181, 186), 0.60},
    { 5, 107, 135, Kind::BoronPowder,     qRgb( 62,  46,  36), qRgb(128, 116, 104), 0.30},
    { 6,  82, 144, Kind::Graphite,        qRgb( 50,  50,  54), qRgb(168, 170, 178), 0.62},
    { 7, 113, 110, Kind::GasFlask,        qRgb(226, 232, 240), qRgb(255, 255, 255), 0.00},
    { 8,  82, 129, Kind::GasFlask,        qRgb(222, 232, 242), qRgb(255, 255, 255), 0.00},
    { 9, 102, 115, Kind::GasFlask,        qRgb(244, 238, 150), qRgb(255, 255, 255), 0.35},
    {10, 128, 118, Kind::GasFlask,        qRgb(232, 230, 236), qRgb(255, 255, 255), 0.00},
    {11,  90, 111, Kind::MetalUnderOil,   qRgb(190, 190, 186), qRgb(232, 232, 228), 0.55},
    {12, 111, 126, Kind::MetalLumps,      qRgb(160, 162, 166), qRgb(206, 208, 212), 0.70},
    {13,  82, 113, Kind::MetalLumps,      qRgb(186, 189, 194), qRgb(232, 234, 238), 0.85},
    {14, 132, 111, Kind::SiliconChunk,    qRgb( 92,  97, 112), qRgb(178, 188, 208), 0.80},
    {15,  52, 123, Kind::RedPowder,       qRgb(168,  36,  30), qRgb(220,  90,  70), 0.05},
    {16, 102, 126, Kind::SulphurCrystals, qRgb(246, 212,  36), qRgb(255, 246, 150), 0.25},
    {17, 150,  98, Kind::GasFlask,        qRgb(196, 222,  80), qRgb(255, 255, 255), 0.75},
    {18,  94, 119, Kind::GasFlask,        qRgb(228, 230, 240), qRgb(255, 255, 255), 0.00},
    {19,  79, 131, Kind::MetalUnderOil,   qRgb(170, 174, 184), qRgb(218, 222, 232), 0.50},
    {20,  81, 119, Kind::MetalLumps,      qRgb(188, 186, 178), qRgb(206, 204, 196), 0.40},
    {26, 130, 136, Kind::MetalLumps,      qRgb( 82,  82,  86), qRgb(132, 132, 138), 0.60},
    {29, 143, 151, Kind::MetalLumps,      qRgb(166,  76,  46), qRgb(226, 116,  78), 0.85},
    {47,  84, 112, Kind::MetalLumps,      qRgb(204, 204, 208), qRgb(242, 242, 246), 0.90},
    {79, 166, 112, Kind::MetalLumps,      qRgb(214, 164,  44), qRgb(255, 212,  90), 0.90},
}};
// clang-format on

// Element pictures are drawn this many times larger and then scaled down, which
// smooths every edge, including those of the per-pixel shaded solids.
constexpr int kOversample = 4;

// ---------------------------------------------------------------------------
// Shaded solids
//
// Lumps, crystals and powder heaps are height fields seen from the front: a
// function gives, for each point of the picture, how far the surface bulges
// toward the viewer. Each pixel's normal follows from the height and is lit by a
// key light from the upper left and by a simple studio surrounding (a large soft
// light above, a pale table below), which is what gives metals their lustre.

struct Material {
    Rgb base;                 // diffuse colour
    Rgb sheen;                // colour of reflections
    double metallic = 0.0;    // share of the colour that is reflection
    double ambient = 0.30;    // light reaching faces turned away from the key light
    double specular = 0.3;    // strength of the key-light highlight
    double shininess = 20.0;  // tightness of the highlight
    double grain = 0.0;       // pixel-to-pixel brightness jitter
    double bump = 0.0;        // height of surface bumps, pixels
    double bumpSize = 4.0;    // width of surface bumps, pixels
    int bumpDetail = 4;       // octaves of bump noise: fewer gives smoother dents
    double layers = 0.0;      // spacing of the edges of flat layers, pixels (graphite)
    std::uint32_t seed = 1;
};

struct Solid {
    std::function<double(double, double)> height;  // toward the viewer; <= 0 outside
    double depth = 0.0;                            // nearer solids cover farther ones
    Material material;
};

double surfaceHeight(const Solid& solid, double x, double y) {
    const Material& m = solid.material;
    double z = std::max(solid.height(x, y), 0.0);
    if (m.bump > 0.0) z += m.bump * fbm(x / m.bumpSize, y / m.bumpSize, m.seed, m.bumpDetail);
    if (m.layers > 0.0) {
        // Thin sheets stacked at a slant: each sheet ends in a small step.
        const double across =
            (0.34 * x + 0.94 * y) / m.layers + 0.6 * fbm(x / 14.0, y / 14.0, m.seed, 2);
        z -= 0.15 * m.layers * smoothstep(0.85, 1.0, across - std::floor(across));
    }
    return z;
}

// How bright the surroundings are in the direction r (a reflected view ray).
double studioLight(Vec3 r) {
    const double up = -r.y;
    double v = 0.22;
    v += 0.85 * smoothstep(0.05, 0.65, up);   // the big soft light above
    v += 0.35 * smoothstep(0.55, 0.95, r.z);  // the white card behind the camera
    v += 0.30 * smoothstep(0.15, 0.70, -up);  // the pale table below
    v += 0.10 * smoothstep(0.2, 0.9, -r.x);   // a window on the left
    v -= 0.12 * smoothstep(0.2, 0.9, r.x);
    return v;
}

Rgb shadePixel(const Solid& solid, double x, double y, double step, std::uint32_t pixelHash) {
    const Material& m = solid.material;
    const double dzdx =
        (surfaceHeight(solid, x + step, y) - surfaceHeight(solid, x - step, y)) / (2.0 * step);
    const double dzdy =
        (surfaceHeight(solid, x, y + step) - surfaceHeight(solid, x, y - step)) / (2.0 * step);
    const Vec3 n = normalized({-dzdx, -dzdy, 1.0});
    const Vec3 view{0.0, 0.0, 1.0};
    const Vec3 reflected = n * (2.0 * n.z) - view;
    const Vec3 light = normalized({-0.55, -0.8, 0.75});

    const double diffuse = std::max(0.0, dot(n, light));
    const double highlight = std::pow(std::max(0.0, dot(reflected, light)), m.shininess);

    Rgb colour = m.base * ((m.ambient + (1.0 - m.ambient) * diffuse) * (1.0 - m.metallic));
    colour = colour + m.sheen * (studioLight(reflected) * m.metallic);
    colour = colour + mix(Rgb{1.0, 1.0, 1.0}, m.sheen, 0.35) * (m.specular * highlight);
    if (m.grain > 0.0) {
        const double jitter = static_cast<double>(pixelHash % 1000u) / 1000.0 * 2.0 - 1.0;  // -1..1
        colour = colour * (1.0 + m.grain * jitter);
    }
    return colour;
}

// Renders the solids into a transparent layer the size of the oversampled canvas.
QImage renderSolids(QSize size, const std::vector<Solid>& solids) {
    QImage layer(size * kOversample, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const double step = 1.0 / kOversample;
    for (int py = 0; py < layer.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(py));
        const double y = (py + 0.5) * step;
        for (int px = 0; px < layer.width(); ++px) {
            const double x = (px + 0.5) * step;
            const Solid* front = nullptr;
            double frontZ = 0.0;
            for (const Solid& solid : solids) {
                const double h = solid.height(x, y);
                if (h > 0.0 && (front == nullptr || h + solid.depth > frontZ)) {
                    front = &solid;
                    frontZ = h + solid.depth;
                }
            }
            if (front == nullptr) continue;
            const auto hash = static_cast<std::uint32_t>(
                (latticeValue(px, py, front->material.seed) + 1.0) * 0.5 * 4294967295.0);
            line[px] = toQRgb(shadePixel(*front, x, y, step, hash));
        }
    }
    return layer;
}

// --- Shapes of solids

// A rounded lump: an ellipse (or, with a larger roundness, a rounded rectangle)
// whose outline wobbles, bulging toward the viewer.
struct Dent {
    double u;       // position across the blob, -1..1
    double v;       // position down the blob, -1..1
    double radius;  // in the same units
    double depth;   // share of the blob's thickness; negative for a bump
};

struct Blob {
    QPointF centre;
    double rx = 10.0;
    double ry = 10.0;
    double thickness = 10.0;
    double roundness = 2.0;  // 2 gives a pebble; 4 or more a block with flat faces
    double rotation = 0.0;   // degrees
    double irregularity = 0.2;
    std::uint32_t seed = 1;
    std::vector<Dent> dents;
};

// Scatters smooth dents and bumps over a blob.
void addDents(Blob& b, Rng& rng, int count, double strength) {
    for (int i = 0; i < count; ++i) {
        b.dents.push_back({rng.uniform(-0.7, 0.7), rng.uniform(-0.7, 0.7), rng.uniform(0.2, 0.45),
                           strength * rng.uniform(-1.0, 1.0)});
    }
}

double blobHeight(const Blob& b, double x, double y) {
    const double angle = b.rotation * kPi / 180.0;
    const double dx = x - b.centre.x();
    const double dy = y - b.centre.y();
    const double u = (dx * std::cos(angle) + dy * std::sin(angle)) / b.rx;
    const double v = (-dx * std::sin(angle) + dy * std::cos(angle)) / b.ry;
    // Bend the ellipse out of shape by shifting where each point is looked up.
    const double wu = u + b.irregularity * fbm(0.8 * u + 11.0, 0.8 * v, b.seed, 3);
    const double wv = v + b.irregularity * fbm(0.8 * u, 0.8 * v + 7.0, b.seed + 1u, 3);
    const double p = b.roundness;
    const double d = std::pow(std::pow(std::abs(wu), p) + std::pow(std::abs(wv), p), 1.0 / p);
    if (d >= 1.0) return 1.0 - d;
    double z = std::pow(1.0 - std::pow(d, p), 1.0 / p);
    for (const Dent& dent : b.dents) {
        const double du = (u - dent.u) / dent.radius;
        const double dv = (v - dent.v) / dent.radius;
        z -= dent.depth * std::exp(-(du * du + dv * dv));
    }
    return b.thickness * std::max(z, 0.02);
}

// The lowest point of a shape, found by sampling around its centre.
double lowestPoint(const std::function<double(double, double)>& height, QPointF centre,
                   double reach) {
    for (double y = centre.y() + reach; y > centre.y(); y -= 0.25) {
        for (double x = centre.x() - reach; x <= centre.x() + reach; x += 0.5) {
            if (height(x, y) > 0.0) return y;
        }
    }
    return centre.y();
}

double lowestPoint(const Blob& b) {
    return lowestPoint([&b](double x, double y) { return blobHeight(b, x, y); }, b.centre,
                       2.0 * std::max(b.rx, b.ry));
}

// Moves a blob up or down so that it rests on the table at groundY.
void settle(Blob& b, double groundY) {
    b.centre.ry() += groundY - lowestPoint(b);
}

Solid blobSolid(const Blob& b, const Material& m, double depth) {
    return {[b](double x, double y) { return blobHeight(b, x, y); }, depth, m};
}

// A convex faceted body: the lowest of a set of sloping planes. Each plane is
// given by the direction it faces (degrees, in the picture), how steeply it
// falls and how far from the centre it meets the picture plane.
struct Facet {
    double direction;
    double slope;
    double reach;
};

struct FacetedBody {
    QPointF centre;
    std::vector<Facet> facets;
    double top = 1e9;  // height of a flat face toward the viewer, if any
};

double facetedHeight(const FacetedBody& body, double x, double y) {
    const double dx = x - body.centre.x();
    const double dy = y - body.centre.y();
    double z = body.top;
    for (const Facet& f : body.facets) {
        const double a = f.direction * kPi / 180.0;
        z = std::min(z, f.slope * (f.reach - (dx * std::cos(a) + dy * std::sin(a))));
    }
    return z;
}

Solid facetedSolid(const FacetedBody& body, const Material& m, double depth) {
    return {[body](double x, double y) { return facetedHeight(body, x, y); }, depth, m};
}

// An angular chunk of rock or crystal about rx by ry in size, with "faces"
// sloping faces around a flat one toward the viewer.
FacetedBody rockChunk(Rng& rng, QPointF centre, double rx, double ry, int faces = 9) {
    FacetedBody body;
    body.centre = centre;
    for (int i = 0; i < faces; ++i) {
        const double direction = i * 360.0 / faces + rng.uniform(-14, 14);
        const double a = direction * kPi / 180.0;
        const double reach =
            std::hypot(rx * std::cos(a), ry * std::sin(a)) * rng.uniform(0.85, 1.05);
        body.facets.push_back({direction, rng.uniform(0.5, 1.6), reach});
    }
    body.top = std::min(rx, ry) * 0.55;
    return body;
}

// Moves a faceted body up or down so that it rests on the table at groundY.
void settle(FacetedBody& body, double groundY) {
    double reach = 0.0;
    for (const Facet& f : body.facets) reach = std::max(reach, f.reach);
    const double lowest =
        lowestPoint([&body](double x, double y) { return facetedHeight(body, x, y); }, body.centre,
                    1.5 * reach);
    body.centre.ry() += groundY - lowest;
}

// A heap of powder standing on the table at groundY.
struct Heap {
    double centreX;
    double groundY;
    double radius;  // half width at the foot
    double height;
    std::uint32_t seed = 1;
};

double heapHeight(const Heap& heap, double x, double y) {
    const double dx = x - heap.centreX;
    // The foot of the heap is a flat ellipse seen a little from above.
    const double foot =
        heap.groundY +
        0.12 * heap.radius * std::sqrt(std::max(0.0, 1.0 - std::pow(dx / heap.radius, 2)));
    const double wobble = 1.0 + 0.08 * fbm(x / 6.0, y / 6.0, heap.seed, 3);
    const double t = (foot - y) / (heap.height * wobble);
    if (t < 0.0) return t;
    if (t >= 1.0) return -0.5;
    // Flanks that spread out at the foot and a rounded top.
    const double r = heap.radius * std::max(std::pow(1.0 - t, 1.5), 0.4 * std::sqrt(1.0 - t));
    const double z2 = r * r - dx * dx;
    return z2 > 0.0 ? std::sqrt(z2) : z2 / (heap.radius * heap.radius);
}

Solid heapSolid(const Heap& heap, const Material& m, double depth) {
    return {[heap](double x, double y) { return heapHeight(heap, x, y); }, depth, m};
}

Material materialFor(const ElementPicture& e) {
    Material m;
    m.base = toRgb(e.colour);
    m.sheen = toRgb(e.sheen);
    m.metallic = e.shine;
    m.seed = static_cast<std::uint32_t>(e.number) * 977u + 13u;
    return m;
}

// ---------------------------------------------------------------------------
// Common scenery

// A studio sweep: light grey at the top fading to almost white at the front.
void paintBackdrop(QPainter& p, QSizeF size) {
    QLinearGradient sweep(0.0, 0.0, 0.0, size.height());
    sweep.setColorAt(0.0, QColor(214, 216, 219));
    sweep.setColorAt(0.55, QColor(238, 238, 238));
    sweep.setColorAt(1.0, QColor(251, 251, 250));
    p.fillRect(QRectF(QPointF(0, 0), size), sweep);

    QRadialGradient glow(size.width() * 0.35, size.height() * 0.3,
                         std::max(size.width(), size.height()) * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(QPointF(0, 0), size), glow);
}

// A soft shadow where something touches the table; the light comes from the
// upper left, so shadows fall a little to the right.
void paintContactShadow(QPainter& p, QPointF centre, double rx, double ry, int strength = 110) {
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient shade(QPointF(0, 0), rx);
    shade.setColorAt(0.0, QColor(40, 40, 45, strength));
    shade.setColorAt(0.55, QColor(40, 40, 45, strength / 3));
    shade.setColorAt(1.0, QColor(40, 40, 45, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void paintBlobShadows(QPainter& p, const std::vector<Blob>& blobs) {
    for (const Blob& b : blobs) {
        const double foot = lowestPoint(b);
        paintContactShadow(p, QPointF(b.centre.x() + 0.18 * b.rx, foot), b.rx * 1.25, b.rx * 0.28);
    }
}

void drawLayer(QPainter& p, QSize size, const QImage& layer) {
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), layer);
}

// ---------------------------------------------------------------------------
// Glassware

// Fills a glass vessel. "tint" is what is inside (a gas, or just air) and
// "strength" how strongly it colours the view through the glass.
void paintGlassInside(QPainter& p, const QPainterPath& outline, QRgb tint, double strength) {
    const QRectF box = outline.boundingRect();
    const QColor inside = QColor::fromRgb(tint);

    // The view through the glass is refracted: turn the backdrop upside down.
    QLinearGradient refraction(0.0, box.top(), 0.0, box.bottom());
    refraction.setColorAt(0.0, QColor(250, 250, 250, 150));
    refraction.setColorAt(0.6, QColor(228, 229, 232, 150));
    refraction.setColorAt(1.0, QColor(208, 210, 214, 150));
    p.fillPath(outline, refraction);

    // The contents: more colour toward the edges, where the light passes
    // through more of the glass and the gas.
    const double radius = std::max(box.width(), box.height()) * 0.6;
    QRadialGradient fill(box.center() + QPointF(-0.1 * box.width(), 0.1 * box.height()), radius);
    fill.setColorAt(0.0, withAlpha(inside, static_cast<int>(40 + 150 * strength)));
    fill.setColorAt(1.0, withAlpha(inside.darker(112), static_cast<int>(70 + 185 * strength)));
    p.fillPath(outline, fill);
}

// The thickness of the glass shows as a darker band along the edge.
void paintGlassEdge(QPainter& p, const QPainterPath& outline, QRgb tint) {
    const QRectF box = outline.boundingRect();
    const QColor inside = QColor::fromRgb(tint);
    p.save();
    p.setClipPath(outline);
    const double band = std::min(box.width(), box.height()) * 0.09;
    QColor edge = inside.darker(170);
    p.strokePath(outline, QPen(withAlpha(edge, 70), band));
    p.strokePath(outline, QPen(withAlpha(edge, 90), band * 0.35));
    p.restore();
    p.strokePath(outline, QPen(QColor(92, 104, 112, 210), 0.8));
}

void paintGlass(QPainter& p, const QPainterPath& outline, QRgb tint, double strength) {
    paintGlassInside(p, outline, tint, strength);
    paintGlassEdge(p, outline, tint);
}

void paintHighlightArc(QPainter& p, QPointF centre, double radius, double from, double span,
                       double width, int alpha) {
    QPen pen(QColor(255, 255, 255, alpha), width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
              static_cast<int>(from * 16), static_cast<int>(span * 16));
}

void paintHighlightLine(QPainter& p, QPointF a, QPointF b, double width, int alpha) {
    p.setPen(QPen(QColor(255, 255, 255, alpha), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

// A cork stopper pushed into a neck whose top is at (centreX, neckTop).
void paintStopper(QPainter& p, double centreX, double neckTop, double neckWidth) {
    const double height = neckWidth * 0.85;
    const double top = neckTop - height * 0.7;
    QPainterPath cork;
    cork.moveTo(centreX - neckWidth * 0.62, top);
    cork.lineTo(centreX + neckWidth * 0.62, top);
    cork.lineTo(centreX + neckWidth * 0.46, top + height);
    cork.lineTo(centreX - neckWidth * 0.46, top + height);
    cork.closeSubpath();
    QLinearGradient shade(centreX - neckWidth * 0.6, 0.0, centreX + neckWidth * 0.6, 0.0);
    shade.setColorAt(0.0, QColor(214, 178, 128));
    shade.setColorAt(0.4, QColor(200, 160, 108));
    shade.setColorAt(1.0, QColor(140, 100, 62));
    p.fillPath(cork, shade);
    // The porous cork: a few darker specks.
    Rng rng(static_cast<std::uint64_t>(centreX * 1000.0 + neckTop));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 84, 50, 150));
    for (int i = 0; i < 10; ++i) {
        const double sx = centreX + rng.uniform(-0.45, 0.45) * neckWidth;
        const double sy = top + rng.uniform(0.15, 0.9) * height;
        p.drawEllipse(QPointF(sx, sy), neckWidth * 0.04, neckWidth * 0.04);
    }
    p.setBrush(QColor(226, 196, 150));
    p.drawEllipse(QPointF(centreX, top), neckWidth * 0.62, neckWidth * 0.1);
    p.strokePath(cork, QPen(QColor(110, 78, 46, 160), 0.5));
}

// The lip at the top of a neck.
void paintLip(QPainter& p, double centreX, double neckTop, double neckWidth) {
    const QRectF lip(centreX - neckWidth * 0.68, neckTop - neckWidth * 0.08, neckWidth * 1.36,
                     neckWidth * 0.26);
    QPainterPath path;
    path.addRoundedRect(lip, neckWidth * 0.12, neckWidth * 0.12);
    p.fillPath(path, QColor(226, 232, 236, 110));
    p.strokePath(path, QPen(QColor(92, 104, 112, 200), 0.7));
    paintHighlightLine(p, QPointF(lip.left() + lip.width() * 0.2, lip.center().y()),
                       QPointF(lip.left() + lip.width() * 0.45, lip.center().y()), neckWidth * 0.08,
                       200);
}

// A round flask with a flat bottom standing on the table.
void paintRoundFlask(QPainter& p, QPointF foot, double radius, double neckTop, QRgb gas,
                     double strength) {
    const double neckWidth = radius * 0.42;
    const double half = neckWidth / 2.0;
    const QPointF centre(foot.x(), foot.y() - radius * 0.94);
    const double meet = std::asin(half / radius) * 180.0 / kPi;

    paintContactShadow(p, QPointF(foot.x() + radius * 0.2, foot.y()), radius * 1.25, radius * 0.22);

    QPainterPath flask;
    flask.moveTo(centre.x() - half, neckTop);
    flask.lineTo(centre.x() - half, centre.y() - radius * std::cos(meet * kPi / 180.0));
    flask.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                90.0 + meet, 360.0 - 2.0 * meet);
    flask.lineTo(centre.x() + half, neckTop);
    flask.closeSubpath();
    QPainterPath table;
    table.addRect(QRectF(centre.x() - 2 * radius, neckTop - radius, 4 * radius,
                         foot.y() - (neckTop - radius)));
    flask = flask.intersected(table);

    paintGlass(p, flask, gas, strength);

    // The flat bottom seen a little from above.
    p.setPen(QPen(QColor(92, 104, 112, 120), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(foot.x(), foot.y() - radius * 0.05), radius * 0.34, radius * 0.05);

    // Reflections of the big light on the sphere and the neck.
    paintHighlightArc(p, centre, radius * 0.76, 108.0, 55.0, radius * 0.11, 215);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre + QPointF(-radius * 0.28, -radius * 0.62), radius * 0.07, radius * 0.05);
    paintHighlightArc(p, centre, radius * 0.8, 285.0, 50.0, radius * 0.06, 120);
    paintHighlightLine(p, QPointF(centre.x() - half * 0.45, neckTop + half * 0.6),
                       QPointF(centre.x() - half * 0.45, centre.y() - radius * 0.9),
                       neckWidth * 0.16, 200);

    paintStopper(p, centre.x(), neckTop, neckWidth);
    paintLip(p, centre.x(), neckTop, neckWidth);
}

// A conical (Erlenmeyer) flask standing on the table.
void paintConicalFlask(QPainter& p, QPointF foot, double baseWidth, double bodyHeight,
                       double neckTop, QRgb gas, double strength) {
    const double neckWidth = baseWidth * 0.27;
    const double half = neckWidth / 2.0;
    const double x = foot.x();
    const double bottom = foot.y();
    const double shoulder = bottom - bodyHeight;
    const double corner = baseWidth * 0.09;

    paintContactShadow(p, QPointF(x + baseWidth * 0.12, bottom), baseWidth * 0.68,
                       baseWidth * 0.12);

    // Rounds the corner at "at" between the straight edges from "from" and to "to".
    auto roundedCorner = [](QPainterPath& path, QPointF from, QPointF at, QPointF to, double r) {
        auto toward = [](QPointF a, QPointF b, double d) {
            const QPointF v = b - a;
            const double len = std::hypot(v.x(), v.y());
            return a + v * (d / len);
        };
        path.lineTo(toward(at, from, r));
        path.quadTo(at, toward(at, to, r));
    };

    const QPointF neckLeft(x - half, shoulder);
    const QPointF baseLeft(x - baseWidth / 2, bottom);
    const QPointF baseRight(x + baseWidth / 2, bottom);
    const QPointF neckRight(x + half, shoulder);
    QPainterPath flask;
    flask.moveTo(x - half, neckTop);
    roundedCorner(flask, QPointF(x - half, neckTop), neckLeft, baseLeft, corner * 0.6);
    roundedCorner(flask, neckLeft, baseLeft, baseRight, corner);
    roundedCorner(flask, baseLeft, baseRight, neckRight, corner);
    roundedCorner(flask, baseRight, neckRight, QPointF(x + half, neckTop), corner * 0.6);
    flask.lineTo(x + half, neckTop);
    flask.closeSubpath();

    paintGlass(p, flask, gas, strength);

    p.setPen(QPen(QColor(92, 104, 112, 120), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(x, bottom - baseWidth * 0.03), baseWidth * 0.38, baseWidth * 0.03);

    // Light on the left slope and on the neck, a fainter one on the right.
    const double w = baseWidth;
    auto along = [&](double t, double inset) {
        return QPointF(mix(neckLeft.x(), baseLeft.x(), t) + inset, mix(shoulder, bottom, t));
    };
    paintHighlightLine(p, along(0.12, w * 0.07), along(0.62, w * 0.07), w * 0.05, 215);
    paintHighlightLine(p, along(0.68, w * 0.08), along(0.78, w * 0.085), w * 0.04, 170);
    paintHighlightLine(p, QPointF(x + half - w * 0.06, bottom - bodyHeight * 0.35),
                       QPointF(x + w * 0.36, bottom - w * 0.07), w * 0.025, 110);
    paintHighlightLine(p, QPointF(x - half * 0.45, neckTop + half * 0.7),
                       QPointF(x - half * 0.45, shoulder - half * 0.2), neckWidth * 0.16, 200);

    paintStopper(p, x, neckTop, neckWidth);
    paintLip(p, x, neckTop, neckWidth);
}

// ---------------------------------------------------------------------------
// The pictures, one function for each kind

void drawGasFlasks(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.93;
    const double strength = e.shine;
    const double aspect = w / h;

    if (aspect > 1.35) {
        // A wide picture: a round flask behind and a conical one in front.
        const double radius = h * 0.27;
        paintRoundFlask(p, QPointF(w * 0.32, ground - h * 0.04), radius, h * 0.14, e.colour,
                        strength);
        paintConicalFlask(p, QPointF(w * 0.66, ground), h * 0.62, h * 0.5, h * 0.2, e.colour,
                          strength);
    } else if (h / w > 1.2) {
        const double radius = std::min(w * 0.42, h * 0.3);
        const double neckTop = std::max(h * 0.14, ground - radius * 1.88 - radius * 1.25);
        paintRoundFlask(p, QPointF(w * 0.5, ground), radius, neckTop, e.colour, strength);
    } else {
        const double baseWidth = std::min(w * 0.8, h * 0.78);
        const double bodyHeight = (ground - h * 0.12) * 0.7;
        paintConicalFlask(p, QPointF(w * 0.5, ground), baseWidth, bodyHeight, h * 0.14, e.colour,
                          strength);
    }
}

// Lumps resting on the table, arranged to suit the shape of the picture.
std::vector<Blob> lumpLayout(QSize size, std::uint32_t seed) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.9;
    const double aspect = w / h;
    Rng rng(seed);
    std::vector<Blob> blobs;
    auto add = [&](double cx, double rx, double ry, double rotation) {
        Blob b;
        b.centre = QPointF(cx, ground - ry * 0.95);
        b.rx = rx;
        b.ry = ry;
        b.thickness = std::min(rx, ry) * 0.8;
        b.roundness = 2.3;
        b.rotation = rotation;
        b.irregularity = 0.4;
        b.seed = static_cast<std::uint32_t>(rng.next() & 0xffffu);
        addDents(b, rng, 8, 0.12);
        settle(b, ground);
        blobs.push_back(b);
    };
    if (aspect > 1.4) {
        add(w * 0.33, w * 0.22, h * 0.34, rng.uniform(-12, 12));
        add(w * 0.62, w * 0.17, h * 0.27, rng.uniform(-12, 12));
        add(w * 0.83, w * 0.1, h * 0.16, rng.uniform(-20, 20));
    } else if (aspect > 1.15) {
        add(w * 0.4, w * 0.28, h * 0.36, rng.uniform(-10, 10));
        add(w * 0.74, w * 0.16, h * 0.2, rng.uniform(-20, 20));
    } else if (aspect > 0.85) {
        add(w * 0.44, w * 0.33, h * 0.34, rng.uniform(-10, 10));
        add(w * 0.78, w * 0.14, h * 0.13, rng.uniform(-20, 20));
    } else {
        add(w * 0.5, w * 0.4, std::min(h * 0.36, w * 0.6), rng.uniform(-8, 8));
        add(w * 0.76, w * 0.14, w * 0.12, rng.uniform(-20, 20));
    }
    return blobs;
}

void drawMetalLumps(QPainter& p, QSize size, const ElementPicture& e) {
    const std::vector<Blob> blobs = lumpLayout(size, static_cast<std::uint32_t>(e.number));
    Material m = materialFor(e);
    m.specular = 0.5 + 0.5 * e.shine;
    m.shininess = 12.0 + 40.0 * e.shine;
    m.grain = 0.08 * (1.0 - e.shine);
    std::vector<Solid> solids;
    for (std::size_t i = 0; i < blobs.size(); ++i) {
        // Duller metals have a finely rough surface.
        Material own = m;
        own.seed = m.seed + static_cast<std::uint32_t>(i) * 31u;
        own.bumpSize = 1.5;
        own.bump = 0.25 * (1.0 - e.shine);
        solids.push_back(blobSolid(blobs[i], own, blobs.size() == 2 && i == 1 ? 10.0 : 0.0));
    }
    paintBlobShadows(p, blobs);
    drawLayer(p, size, renderSolids(size, solids));
}

void drawMetalUnderOil(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.92;
    const double jarWidth = std::min(w * 0.86, h * 0.9);
    const double left = (w - jarWidth) / 2.0;
    const double right = left + jarWidth;
    const double cx = w / 2.0;
    const double ellipse = jarWidth * 0.12;  // half height of the round rim in view
    const double top = std::max(h * 0.1, ground - jarWidth * 1.4);
    const double oil = mix(top, ground, 0.3);

    paintContactShadow(p, QPointF(cx + jarWidth * 0.1, ground), jarWidth * 0.7, jarWidth * 0.13);

    QPainterPath jar;
    jar.moveTo(left, top);
    jar.lineTo(left, ground - ellipse);
    jar.arcTo(QRectF(left, ground - 2 * ellipse, jarWidth, 2 * ellipse), 180.0, 180.0);
    jar.lineTo(right, top);
    jar.arcTo(QRectF(left, top - ellipse, jarWidth, 2 * ellipse), 0.0, 180.0);
    jar.closeSubpath();

    // Inside of the jar behind the metal, and the oil.
    QLinearGradient back(0.0, top, 0.0, ground);
    back.setColorAt(0.0, QColor(242, 243, 244, 200));
    back.setColorAt(1.0, QColor(214, 216, 218, 200));
    p.fillPath(jar, back);
    QPainterPath oilBody;
    oilBody.moveTo(left, oil);
    oilBody.lineTo(left, ground - ellipse);
    oilBody.arcTo(QRectF(left, ground - 2 * ellipse, jarWidth, 2 * ellipse), 180.0, 180.0);
    oilBody.lineTo(right, oil);
    oilBody.arcTo(QRectF(left, oil - ellipse, jarWidth, 2 * ellipse), 0.0, 180.0);
    oilBody.closeSubpath();
    p.fillPath(oilBody, QColor(236, 214, 140, 70));

    // The pieces of metal: cut blocks with rounded edges lying on the bottom.
    Rng rng(static_cast<std::uint64_t>(e.number) * 7919u);
    std::vector<Blob> pieces;
    const double floor = ground - ellipse * 0.9;
    const int count = jarWidth > 80.0 ? 3 : 2;
    for (int i = 0; i < count; ++i) {
        Blob b;
        const double share = jarWidth / count;
        b.rx = share * rng.uniform(0.42, 0.5);
        b.ry = b.rx * rng.uniform(0.68, 0.85);
        b.centre = QPointF(left + share * (i + 0.5) + rng.uniform(-0.08, 0.08) * share,
                           floor - b.ry * 0.85 + (i % 2) * ellipse * 0.6);
        b.thickness = b.ry * 0.8;
        b.roundness = 3.2;
        b.rotation = rng.uniform(-18, 18);
        b.irregularity = 0.12;
        b.seed = static_cast<std::uint32_t>(rng.next() & 0xffffu);
        addDents(b, rng, 5, 0.08);
        settle(b, floor + (i % 2) * ellipse * 0.6);
        pieces.push_back(b);
    }
    Material m = materialFor(e);
    m.specular = 0.7;
    m.shininess = 25.0;
    m.bump = 0.2;
    m.bumpSize = 1.5;
    m.grain = 0.05;
    std::vector<Solid> solids;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        solids.push_back(blobSolid(pieces[i], m, (i % 2) * 20.0));
    }
    for (const Blob& b : pieces) {
        paintContactShadow(p, QPointF(b.centre.x() + b.rx * 0.1, lowestPoint(b)), b.rx * 1.1,
                           b.rx * 0.25, 90);
    }
    drawLayer(p, size, renderSolids(size, solids));

    // The oil over the metal, its surface, and the glass in front.
    p.fillPath(oilBody, QColor(232, 206, 120, 35));
    QPainterPath surface;
    surface.addEllipse(QRectF(left, oil - ellipse, jarWidth, 2 * ellipse));
    p.fillPath(surface, QColor(244, 230, 170, 90));
    p.strokePath(surface, QPen(QColor(190, 160, 80, 150), 0.6));

    p.save();
    p.setClipPath(jar);
    const double band = jarWidth * 0.07;
    p.strokePath(jar, QPen(QColor(120, 136, 144, 70), band));
    p.restore();
    p.strokePath(jar, QPen(QColor(92, 104, 112, 210), 0.8));
    QPainterPath rim;
    rim.addEllipse(QRectF(left, top - ellipse, jarWidth, 2 * ellipse));
    p.fillPath(rim, QColor(235, 238, 240, 90));
    p.strokePath(rim, QPen(QColor(92, 104, 112, 210), 0.8));

    paintHighlightLine(p, QPointF(left + jarWidth * 0.1, top + ellipse * 1.6),
                       QPointF(left + jarWidth * 0.1, ground - ellipse * 1.4), jarWidth * 0.06,
                       200);
    paintHighlightLine(p, QPointF(left + jarWidth * 0.2, top + ellipse * 1.8),
                       QPointF(left + jarWidth * 0.2, oil - ellipse * 0.5), jarWidth * 0.02, 150);
    paintHighlightLine(p, QPointF(right - jarWidth * 0.08, top + ellipse * 2.0),
                       QPointF(right - jarWidth * 0.08, ground - ellipse * 2.0), jarWidth * 0.025,
                       120);
}

void drawGraphite(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.9;
    Material m = materialFor(e);
    m.ambient = 0.45;
    m.specular = 0.6;
    m.shininess = 22.0;
    m.layers = 6.5;
    m.bump = 0.25;
    m.bumpSize = 1.5;
    m.grain = 0.05;

    Rng rng(606u);
    FacetedBody big =
        rockChunk(rng, QPointF(w * 0.46, h * 0.5), w * 0.42, std::min(h * 0.33, w * 0.7), 9);
    big.top *= 1.4;
    settle(big, ground);
    FacetedBody small = rockChunk(rng, QPointF(w * 0.74, h * 0.8), w * 0.2, w * 0.15, 7);
    settle(small, ground + 1.0);
    const std::vector<Solid> solids{facetedSolid(big, m, 0.0), facetedSolid(small, m, 25.0)};
    paintContactShadow(p, QPointF(w * 0.56, ground), w * 0.55, w * 0.12, 130);
    drawLayer(p, size, renderSolids(size, solids));
}

// One long crystal: a ridge along its axis with sloping faces to both sides
// and pointed ends.
FacetedBody crystal(QPointF centre, double length, double width, double axis) {
    FacetedBody body;
    body.centre = centre;
    const double side = 70.0;  // how far the long faces turn from the axis
    body.facets = {
        {axis + 90.0 - 20.0, 0.9, width * 0.55},  {axis + 90.0 + 20.0, 0.7, width * 0.5},
        {axis - 90.0 - 15.0, 0.8, width * 0.5},   {axis - 90.0 + 25.0, 1.0, width * 0.55},
        {axis + side - 60.0, 1.3, length * 0.5},  {axis - side + 60.0 + 25.0, 1.1, length * 0.47},
        {axis + 180.0 - 25.0, 1.2, length * 0.5}, {axis + 180.0 + 20.0, 1.0, length * 0.48},
    };
    body.top = width * 0.42;
    return body;
}

void drawSulphurCrystals(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.9;
    Rng rng(1606u);
    Material m = materialFor(e);
    m.metallic = 0.15;
    m.ambient = 0.55;
    m.specular = 0.8;
    m.shininess = 30.0;
    m.bump = 0.25;
    m.bumpSize = 3.0;

    std::vector<Solid> solids;
    const double unit = std::min(w * 0.9, h * 0.8);
    // Crystals growing up and outward from a common base, the tallest behind.
    struct Growth {
        double axis;    // degrees; -90 is straight up
        double length;  // share of the picture
        double offset;  // where along the base it starts, share of the width
    };
    const std::array<Growth, 9> growths{{{-95.0, 0.92, 0.0},
                                         {-62.0, 0.72, 0.12},
                                         {-128.0, 0.7, -0.12},
                                         {-38.0, 0.52, 0.2},
                                         {-150.0, 0.5, -0.22},
                                         {-80.0, 0.55, 0.05},
                                         {-112.0, 0.5, -0.06},
                                         {-20.0, 0.36, 0.3},
                                         {-165.0, 0.34, -0.3}}};
    for (std::size_t i = 0; i < growths.size(); ++i) {
        const double axis = growths[i].axis + rng.uniform(-5, 5);
        const double length = unit * growths[i].length;
        const double width = length * rng.uniform(0.46, 0.56);
        const double a = axis * kPi / 180.0;
        const QPointF base(w * (0.5 + growths[i].offset), ground - unit * 0.1);
        const QPointF centre = base + QPointF(std::cos(a), std::sin(a)) * (length * 0.36);
        Material own = m;
        own.seed = m.seed + static_cast<std::uint32_t>(i);
        solids.push_back(
            facetedSolid(crystal(centre, length, width, axis), own, static_cast<double>(i) * 4.0));
    }
    // Small crystals lying at the foot of the cluster.
    for (int i = 0; i < 5; ++i) {
        const double length = unit * rng.uniform(0.18, 0.26);
        const double axis = rng.uniform(-200, 20);
        const QPointF centre(w * (0.14 + 0.18 * i), ground - length * 0.22);
        solids.push_back(facetedSolid(crystal(centre, length, length * 0.55, axis), m, 50.0 + i));
    }
    paintContactShadow(p, QPointF(w * 0.55, ground), w * 0.58, h * 0.07, 120);
    drawLayer(p, size, renderSolids(size, solids));
}

void drawRedPowder(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.9;
    const QColor red = QColor::fromRgb(e.colour);

    // A small stoppered bottle of the powder stands behind the heap.
    const double bodyWidth = w * 0.64;
    const double neckWidth = bodyWidth * 0.56;
    const double neckTop = h * 0.16;
    const double shoulder = neckTop + neckWidth * 0.7;
    const double bottom = ground - h * 0.05;
    const double cx = w * 0.5;
    QPainterPath body;
    body.addRoundedRect(QRectF(cx - bodyWidth / 2, shoulder, bodyWidth, bottom - shoulder),
                        bodyWidth * 0.2, bodyWidth * 0.2);
    QPainterPath neck;
    neck.addRect(QRectF(cx - neckWidth / 2, neckTop, neckWidth, shoulder - neckTop + 2.0));
    const QPainterPath bottle = body.united(neck);
    paintContactShadow(p, QPointF(cx + bodyWidth * 0.15, bottom), bodyWidth * 0.7,
                       bodyWidth * 0.14);

    const double level = mix(shoulder, bottom, 0.4);
    const QRgb clear = qRgb(236, 240, 242);
    paintGlassInside(p, bottle, clear, 0.0);
    p.save();
    p.setClipPath(bottle);
    QLinearGradient powder(cx - bodyWidth / 2, 0.0, cx + bodyWidth / 2, 0.0);
    powder.setColorAt(0.0, red.darker(115));
    powder.setColorAt(0.3, red.lighter(112));
    powder.setColorAt(1.0, red.darker(190));
    p.fillRect(QRectF(cx - bodyWidth / 2, level, bodyWidth, bottom - level + 1.0), powder);
    p.setBrush(red.lighter(125));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, level), bodyWidth / 2, bodyWidth * 0.08);
    Rng rng(1515u);
    for (int i = 0; i < 160; ++i) {
        const double x = cx + rng.uniform(-0.5, 0.5) * bodyWidth;
        const double y = rng.uniform(level, bottom);
        p.setBrush(rng.uniform(0, 1) < 0.5 ? QColor(90, 10, 10, 120) : QColor(240, 120, 100, 90));
        p.drawEllipse(QPointF(x, y), 0.35, 0.35);
    }
    // Seen through the glass the powder looks a little paler.
    p.fillRect(QRectF(cx - bodyWidth / 2, level - bodyWidth * 0.1, bodyWidth, bottom - level),
               QColor(255, 255, 255, 45));
    p.restore();
    paintGlassEdge(p, bottle, clear);
    paintHighlightLine(p, QPointF(cx - bodyWidth * 0.33, shoulder + bodyWidth * 0.25),
                       QPointF(cx - bodyWidth * 0.33, bottom - bodyWidth * 0.25), bodyWidth * 0.08,
                       200);
    paintHighlightLine(p, QPointF(cx + bodyWidth * 0.36, shoulder + bodyWidth * 0.3),
                       QPointF(cx + bodyWidth * 0.36, level - bodyWidth * 0.1), bodyWidth * 0.03,
                       120);
    paintStopper(p, cx, neckTop, neckWidth);
    paintLip(p, cx, neckTop, neckWidth);

    // The heap poured out in front of it.
    const Heap heap{w * 0.5, ground, w * 0.46, w * 0.6, 15u};
    Material m = materialFor(e);
    m.ambient = 0.42;
    m.specular = 0.06;
    m.shininess = 8.0;
    m.grain = 0.22;
    m.bump = 0.35;
    m.bumpSize = 0.7;
    paintContactShadow(p, QPointF(w * 0.55, ground + 0.06 * w), w * 0.6, w * 0.14, 120);
    drawLayer(p, size, renderSolids(size, {heapSolid(heap, m, 0.0)}));
}

// A polycrystalline chunk built from a few faceted bodies grown together.
void drawSiliconChunk(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.88;
    Material m = materialFor(e);
    m.ambient = 0.35;
    m.specular = 1.0;
    m.shininess = 60.0;
    m.bump = 0.15;
    m.bumpSize = 2.0;
    m.grain = 0.03;

    Rng rng(1414u);
    const std::vector<Solid> solids{
        facetedSolid(rockChunk(rng, QPointF(w * 0.42, ground - h * 0.34), w * 0.3, h * 0.34), m,
                     0.0),
        facetedSolid(rockChunk(rng, QPointF(w * 0.66, ground - h * 0.26), w * 0.24, h * 0.26), m,
                     4.0),
        facetedSolid(rockChunk(rng, QPointF(w * 0.3, ground - h * 0.14), w * 0.16, h * 0.14), m,
                     12.0),
    };
    paintContactShadow(p, QPointF(w * 0.55, ground), w * 0.48, h * 0.08, 130);
    drawLayer(p, size, renderSolids(size, solids));
}

void drawBoronPowder(QPainter& p, QSize size, const ElementPicture& e) {
    const double w = size.width();
    const double h = size.height();
    const double ground = h * 0.88;
    Material powder = materialFor(e);
    powder.metallic = 0.0;
    powder.ambient = 0.45;
    powder.specular = 0.05;
    powder.grain = 0.25;
    powder.bump = 0.3;
    powder.bumpSize = 0.7;
    Material lump = materialFor(e);
    lump.ambient = 0.4;
    lump.specular = 0.6;
    lump.shininess = 25.0;
    lump.bump = 0.25;
    lump.bumpSize = 2.0;
    lump.grain = 0.05;

    const Heap heap{w * 0.5, ground, w * 0.48, h * 0.5, 5u};
    std::vector<Solid> solids{heapSolid(heap, powder, 0.0)};
    // Lumps lying in the powder, each standing a little out of the surface.
    Rng rng(555u);
    struct Spot {
        double x, y, size;  // shares of the width, of the heap's height and of the width
    };
    const std::array<Spot, 6> spots{{{0.5, 0.84, 0.13},
                                     {0.33, 0.5, 0.14},
                                     {0.65, 0.55, 0.15},
                                     {0.19, 0.15, 0.11},
                                     {0.49, 0.2, 0.13},
                                     {0.8, 0.13, 0.11}}};
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const QPointF centre(w * spots[i].x, ground - heap.height * spots[i].y);
        const double r = w * spots[i].size;
        const double surface = std::max(0.0, heapHeight(heap, centre.x(), centre.y()));
        Material own = lump;
        own.seed = lump.seed + static_cast<std::uint32_t>(i);
        solids.push_back(
            facetedSolid(rockChunk(rng, centre, r * 1.15, r * 0.85, 7), own, surface - r * 0.2));
    }
    paintContactShadow(p, QPointF(w * 0.55, ground + 0.05 * w), w * 0.6, w * 0.13, 130);
    drawLayer(p, size, renderSolids(size, solids));
}

QImage drawElement(const ElementPicture& e) {
    const QSize size(e.width, e.height);
    QImage canvas(size * kOversample, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(kOversample, kOversample);
    paintBackdrop(p, size);
    switch (e.kind) {
        case Kind::GasFlask:
            drawGasFlasks(p, size, e);
            break;
        case Kind::MetalLumps:
            drawMetalLumps(p, size, e);
            break;
        case Kind::MetalUnderOil:
            drawMetalUnderOil(p, size, e);
            break;
        case Kind::Graphite:
            drawGraphite(p, size, e);
            break;
        case Kind::SulphurCrystals:
            drawSulphurCrystals(p, size, e);
            break;
        case Kind::RedPowder:
            drawRedPowder(p, size, e);
            break;
        case Kind::SiliconChunk:
            drawSiliconChunk(p, size, e);
            break;
        case Kind::BoronPowder:
            drawBoronPowder(p, size, e);
            break;
    }
    p.end();
    return canvas.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------
// The atom view: electron, nucleus and the ring of a shell

const QColor kWindowGrey(192, 192, 192);

// A ball lit from the upper left on the window grey.
QImage drawBall(QSize size, double diameter, QColor light, QColor body, QColor dark) {
    QImage image(size * kOversample, QImage::Format_RGB32);
    image.fill(kWindowGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kOversample, kOversample);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double r = diameter / 2.0;

    QRadialGradient shading(centre, r, centre + QPointF(-0.38 * r, -0.4 * r));
    shading.setColorAt(0.0, light);
    shading.setColorAt(0.35, body);
    shading.setColorAt(0.85, body.darker(170));
    shading.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(shading);
    p.drawEllipse(centre, r, r);

    // Light thrown back from below onto the lower right rim.
    QRadialGradient bounce(centre + QPointF(0.45 * r, 0.55 * r), 0.5 * r);
    bounce.setColorAt(0.0, withAlpha(body.lighter(120), 90));
    bounce.setColorAt(1.0, withAlpha(body, 0));
    QPainterPath ball;
    ball.addEllipse(centre, r, r);
    p.setClipPath(ball);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), bounce);
    p.end();
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage drawRing() {
    const QSize size(787, 785);
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWindowGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double stroke = 4.0;
    p.setPen(QPen(Qt::black, stroke));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(stroke / 2, stroke / 2, size.width() - stroke, size.height() - stroke));
    p.end();
    return image;
}

// ---------------------------------------------------------------------------
// The program icon

// The sixteen colours of the classic VGA palette, in their usual order.
constexpr std::array<QRgb, 16> kIconPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

int nearestPaletteIndex(QRgb c) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(kIconPalette[i]);
        const int dg = qGreen(c) - qGreen(kIconPalette[i]);
        const int db = qBlue(c) - qBlue(kIconPalette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// An atom: a red nucleus inside one tilted orbit carrying electrons.
QImage drawIconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, side > 16);
    const bool large = side > 16;
    const double s = side / 32.0;
    const double rx = 14.5 * s;
    const double ry = 6.2 * s;
    const double tiltDegrees = -32.0;
    p.translate(side / 2.0, side / 2.0);

    // The orbit goes round behind the nucleus and comes back in front of it.
    const QPen orbitPen(QColor(0, 0, 255), large ? 2.0 : 1.0);
    const QRectF orbit(-rx, -ry, 2 * rx, 2 * ry);
    p.save();
    p.rotate(tiltDegrees);
    p.setPen(orbitPen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(orbit);
    p.restore();

    const double r = (large ? 5.6 : 6.0) * s;
    QRadialGradient nucleus(QPointF(-0.4 * r, -0.4 * r), 1.3 * r);
    nucleus.setColorAt(0.0, QColor(255, 235, 235));
    nucleus.setColorAt(0.25, QColor(255, 40, 30));
    nucleus.setColorAt(0.75, QColor(220, 0, 0));
    nucleus.setColorAt(1.0, QColor(120, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(nucleus);
    p.drawEllipse(QPointF(0, 0), r, r);

    p.save();
    p.rotate(tiltDegrees);
    p.setPen(orbitPen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(orbit, 180 * 16, 180 * 16);
    p.restore();

    // Electrons riding on the orbit.
    const QTransform tilt = QTransform().rotate(tiltDegrees);
    auto onOrbit = [&](double degrees) {
        const double a = degrees * kPi / 180.0;
        return tilt.map(QPointF(rx * std::cos(a), ry * std::sin(a)));
    };
    auto electron = [&](QPointF at, double radius) {
        QRadialGradient ball(at + QPointF(-0.4 * radius, -0.4 * radius), 1.4 * radius);
        ball.setColorAt(0.0, QColor(0, 255, 255));
        ball.setColorAt(0.45, QColor(0, 0, 255));
        ball.setColorAt(1.0, QColor(0, 0, 128));
        p.setPen(Qt::NoPen);
        p.setBrush(ball);
        p.drawEllipse(at, radius, radius);
    };
    if (large) {
        electron(onOrbit(150.0), 3.2);
        electron(onOrbit(-30.0), 3.2);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(QRectF(onOrbit(150.0) - QPointF(1.0, 1.0), QSizeF(2.0, 2.0)));
    }
    p.end();
    return image;
}

void appendLe16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void appendLe32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

// One icon image as stored in an .ico file: header, palette, colour bits and
// transparency mask, both bottom-up with rows padded to four bytes.
QByteArray iconImageBytes(const QImage& image) {
    const int side = image.width();
    const int colourRow = ((side * 4 + 31) / 32) * 4;
    const int maskRow = ((side + 31) / 32) * 4;
    QByteArray colours(colourRow * side, '\0');
    QByteArray mask(maskRow * side, '\0');
    for (int y = 0; y < side; ++y) {
        const int row = side - 1 - y;
        for (int x = 0; x < side; ++x) {
            const QRgb c = image.pixel(x, y);
            const bool opaque = qAlpha(c) >= 128;
            const int index = opaque ? nearestPaletteIndex(c) : 0;
            char& pair = colours[row * colourRow + x / 2];
            pair = static_cast<char>(pair | (x % 2 == 0 ? index << 4 : index));
            if (!opaque) {
                char& bits = mask[row * maskRow + x / 8];
                bits = static_cast<char>(bits | (0x80 >> (x % 8)));
            }
        }
    }
    QByteArray out;
    appendLe32(out, 40);  // header size
    appendLe32(out, static_cast<std::uint32_t>(side));
    appendLe32(out, static_cast<std::uint32_t>(side * 2));  // colours and mask
    appendLe16(out, 1);                                     // planes
    appendLe16(out, 4);                                     // bits per pixel
    appendLe32(out, 0);                                     // no compression
    appendLe32(out, static_cast<std::uint32_t>(colours.size() + mask.size()));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 16);  // colours used
    appendLe32(out, 0);
    for (QRgb c : kIconPalette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    out.append(colours);
    out.append(mask);
    return out;
}

QByteArray iconFileBytes() {
    const std::array<int, 2> sides{32, 16};
    std::vector<QByteArray> images;
    for (int side : sides) images.push_back(iconImageBytes(drawIconImage(side)));

    QByteArray out;
    appendLe16(out, 0);  // reserved
    appendLe16(out, 1);  // an icon, not a cursor
    appendLe16(out, static_cast<int>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(sides[i]));  // width
        out.append(static_cast<char>(sides[i]));  // height
        out.append(static_cast<char>(16));        // colours
        out.append('\0');
        appendLe16(out, 1);  // planes
        appendLe16(out, 4);  // bits per pixel
        appendLe32(out, static_cast<std::uint32_t>(images[i].size()));
        appendLe32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images) out.append(image);
    return out;
}

// ---------------------------------------------------------------------------
// Writing and checking

bool saveImage(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Reads a written file back and checks the sizes of the images in it.
bool check(const QString& path, const std::vector<QSize>& expected) {
    QImageReader reader(path);
    std::vector<QSize> found;
    for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (image.isNull()) break;
        found.push_back(image.size());
    }
    if (found != expected) {
        std::fprintf(stderr, "make_pictures: %s does not read back as drawn\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures SOURCE_FOLDER\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir folder(source.filePath("main_window/pictures"));
    const QDir common(source.filePath("common/pictures"));
    for (const QDir& output : {folder, common}) {
        if (!output.mkpath(".")) {
            std::fprintf(stderr, "make_pictures: cannot create %s\n",
                         output.path().toLocal8Bit().constData());
            return 1;
        }
    }

    bool ok = true;
    for (const ElementPicture& e : kElements) {
        const QString path = folder.filePath(QString("element_%1.bmp").arg(e.number));
        ok = saveImage(drawElement(e), path, "BMP") && ok;
        ok = check(path, {QSize(e.width, e.height)}) && ok;
    }

    const QString electron = folder.filePath("electron.jpg");
    ok = saveImage(drawBall(QSize(75, 72), 66.0, QColor(200, 220, 255), QColor(40, 90, 230),
                            QColor(8, 16, 90)),
                   electron, "JPG", 90) &&
         ok;
    ok = check(electron, {QSize(75, 72)}) && ok;

    const QString nucleus = folder.filePath("nucleus.jpg");
    ok = saveImage(drawBall(QSize(223, 213), 200.0, QColor(255, 226, 180), QColor(236, 92, 30),
                            QColor(110, 26, 8)),
                   nucleus, "JPG", 90) &&
         ok;
    ok = check(nucleus, {QSize(223, 213)}) && ok;

    const QString ring = common.filePath("ring.jpg");
    ok = saveImage(drawRing(), ring, "JPG", 90) && ok;
    ok = check(ring, {QSize(787, 785)}) && ok;

    const QString icon = common.filePath("tarnok.ico");
    const QByteArray iconBytes = iconFileBytes();
    ok = writeFile(icon, iconBytes) && ok;
    ok = check(icon, {QSize(32, 32), QSize(16, 16)}) && ok;
    if (iconBytes.size() != 1078) {
        std::fprintf(stderr, "make_pictures: the icon is %lld bytes, not 1078\n",
                     static_cast<long long>(iconBytes.size()));
        ok = false;
    }

    return ok ? 0 : 1;
}
