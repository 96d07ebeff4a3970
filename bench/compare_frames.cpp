// Compares the frames saved by two runs of corvane_framerate (binary PPMs of the same names in two
// folders) and prints: FRAMES MIN_SSIM MEAN_SSIM IDENTICAL_SHARE WORST_FRAME. SSIM is taken on luma
// over 8 by 8 windows every 4 pixels.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const int window = 8;
const int step = 4;
const double c1 = (0.01 * 255) * (0.01 * 255);
const double c2 = (0.03 * 255) * (0.03 * 255);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

Picture readPpm(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Picture picture;
    in >> magic >> picture.width >> picture.height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || picture.width <= 0 || picture.height <= 0)
        throw std::runtime_error("not a binary PPM: " + path.string());
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    in.read(reinterpret_cast<char*>(picture.rgb.data()), picture.rgb.size());
    if (!in)
        throw std::runtime_error("truncated: " + path.string());
    return picture;
}

std::vector<double> luma(const Picture& picture)
{
    std::vector<double> values(picture.rgb.size() / 3);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = 0.299 * picture.rgb[3 * i] + 0.587 * picture.rgb[3 * i + 1] + 0.114 * picture.rgb[3 * i + 2];
    return values;
}

double ssim(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height)
        throw std::runtime_error("frames differ in size");
    const std::vector<double> x = luma(a), y = luma(b);
    double sum = 0;
    int windows = 0;
    for (int top = 0; top + window <= a.height; top += step)
        for (int left = 0; left + window <= a.width; left += step) {
            double mx = 0, my = 0, xx = 0, yy = 0, xy = 0;
            for (int row = top; row < top + window; ++row)
                for (int column = left; column < left + window; ++column) {
                    const double u = x[static_cast<size_t>(row) * a.width + column];
                    const double v = y[static_cast<size_t>(row) * a.width + column];
                    mx += u, my += v, xx += u * u, yy += v * v, xy += u * v;
                }
            const double n = window * window;
            mx /= n, my /= n;
            const double vx = xx / n - mx * mx, vy = yy / n - my * my, cxy = xy / n - mx * my;
            sum += ((2 * mx * my + c1) * (2 * cxy + c2)) / ((mx * mx + my * my + c1) * (vx + vy + c2));
            ++windows;
        }
    return sum / windows;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: corvane_compare_frames FOLDER_A FOLDER_B" << std::endl;
        return 2;
    }
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.path().extension() == ".ppm")
            names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    if (names.empty()) {
        std::cerr << "no frames in " << argv[1] << std::endl;
        return 1;
    }
    double minimum = 1, total = 0;
    int identical = 0;
    std::string worst = names.front().string();
    for (const auto& name : names) {
        const Picture a = readPpm(std::filesystem::path(argv[1]) / name);
        const Picture b = readPpm(std::filesystem::path(argv[2]) / name);
        const double value = ssim(a, b);
        total += value;
        identical += a.rgb == b.rgb;
        if (value < minimum) {
            minimum = value;
            worst = name.string();
        }
    }
    std::printf("%zu %.5f %.5f %.3f %s\n", names.size(), minimum, total / names.size(),
        static_cast<double>(identical) / names.size(), worst.c_str());
    return 0;
}
