/*
 * refdata.cpp - reference cases, synthetic signals and EDF samples for the
 * numerics tests.
 */
#include "refdata.h"

#include <math.h>
#include <stdint.h>
#include <stdlib.h>

#include <fstream>
#include <ostream>
#include <sstream>

static const double kPi = 3.14159265358979323846;

int RefCase::Int(const std::string &key) const
{
    auto it = keys.find(key);
    return it == keys.end() || it->second.empty() ? 0 : atoi(it->second[0].c_str());
}

std::vector<double> RefCase::Numbers(const std::string &key) const
{
    std::vector<double> v;
    auto it = keys.find(key);
    if (it != keys.end())
        for (const std::string &s : it->second)
            v.push_back(strtod(s.c_str(), nullptr));
    return v;
}

std::string RefCase::Text(const std::string &key) const
{
    auto it = keys.find(key);
    return it == keys.end() || it->second.empty() ? "" : it->second[0];
}

std::string RefCase::Label(const std::string &key) const
{
    std::string s = Text(key);
    for (char &c : s)
        if (c == '_')
            c = ' ';
    return s;
}

void PrintTo(const RefCase &rc, std::ostream *os)
{
    *os << rc.kind << " " << rc.name;
}

std::vector<RefCase> LoadRefCases(const std::string &kind)
{
    std::vector<RefCase> cases;
    std::ifstream in(QF_TEST_DATA_DIR "/numerics_ref.txt");
    std::string line;
    RefCase rc;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::string word;
        if (!(ls >> word) || word[0] == '#')
            continue;
        if (word == "case") {
            rc = RefCase();
            ls >> rc.kind >> rc.name;
        } else if (word == "end") {
            if (rc.kind == kind)
                cases.push_back(rc);
        } else if (word == "data") {
            std::string label;
            size_t count = 0;
            ls >> label >> count;
            std::vector<double> &v = rc.data[label];
            double d;
            while (v.size() < count && in >> d)
                v.push_back(d);
        } else {
            std::vector<std::string> &v = rc.keys[word];
            std::string s;
            while (ls >> s)
                v.push_back(s);
        }
    }
    return cases;
}

std::vector<short> MakeSignal(const std::vector<double> &spec)
{
    uint32_t s = uint32_t(spec[0]);
    const double rate = spec[1];
    const int count = int(spec[2]);
    const int64_t noise = int64_t(spec[3]);
    const int64_t offset = int64_t(spec[4]);
    std::vector<short> out(static_cast<size_t>(count));
    for (int i = 0; i < count; i++) {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        double v = 0.0;
        for (size_t t = 5; t + 1 < spec.size(); t += 2)
            v += spec[t] * sin(2.0 * kPi * spec[t + 1] * i / rate);
        int64_t x = int64_t(floor(v + 0.5)) + offset + int64_t(s % uint32_t(2 * noise + 1)) - noise;
        out[size_t(i)] = short(x > 32767 ? 32767 : x < -32768 ? -32768 : x);
    }
    return out;
}

/* A header field: len ASCII characters from pos, as an integer. */
static long Field(const std::string &h, size_t pos, size_t len)
{
    return pos + len <= h.size() ? atol(h.substr(pos, len).c_str()) : -1;
}

static std::string Trimmed(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

bool ReadEdfSamples(const std::string &path, const std::string &label, int start, int count,
                    std::vector<short> *pSamples)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(256, '\0');
    if (!in.read(&head[0], 256))
        return false;
    const long nRecords = Field(head, 236, 8);
    const long nSignals = Field(head, 252, 4);
    if (nRecords <= 0 || nSignals <= 0 || nSignals > 4096)
        return false;
    std::string ext(size_t(nSignals) * 256, '\0');
    if (!in.read(&ext[0], std::streamsize(ext.size())))
        return false;
    const size_t sprBase = size_t(nSignals) * (16 + 80 + 8 + 8 + 8 + 8 + 8 + 80);
    long channel = -1, before = 0, total = 0, spr = 0;
    for (long i = 0; i < nSignals; i++) {
        const long n = Field(ext, sprBase + size_t(8 * i), 8);
        if (Trimmed(ext.substr(size_t(16 * i), 16)) == label && channel < 0) {
            channel = i;
            before = total;
            spr = n;
        }
        total += n;
    }
    if (channel < 0 || spr <= 0 || start < 0 || count < 0 || long(start) + count > nRecords * spr)
        return false;
    pSamples->clear();
    std::vector<char> rec(size_t(total) * 2);
    for (long r = 0; r < nRecords && int(pSamples->size()) < count; r++) {
        if (!in.read(rec.data(), std::streamsize(rec.size())))
            return false;
        for (long i = 0; i < spr; i++) {
            const long pos = r * spr + i;
            if (pos < start || pos >= long(start) + count)
                continue;
            const unsigned char *p = reinterpret_cast<unsigned char *>(&rec[size_t(2 * (before + i))]);
            pSamples->push_back(short(uint16_t(p[0] | (p[1] << 8))));
        }
    }
    return int(pSamples->size()) == count;
}

bool CaseSamples(const RefCase &rc, const std::string &suffix, std::vector<short> *pSamples,
                 std::string *pWhy)
{
    if (rc.keys.count("sig" + suffix)) {
        *pSamples = MakeSignal(rc.Numbers("sig" + suffix));
        return true;
    }
    const std::string path = std::string(QF_SHARED_DIR) + "/" + rc.Text("edf");
    if (ReadEdfSamples(path, rc.Label("label" + suffix), rc.Int("start"), rc.Int("count"), pSamples))
        return true;
    *pWhy = "recording " + path + " (" + rc.Label("label" + suffix) + ") is not available";
    return false;
}
