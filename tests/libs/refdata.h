/*
 * refdata.h - reading the reference cases of tests/data/numerics_ref.txt,
 * remaking their synthetic signals, and reading recording samples.
 */
#ifndef REFDATA_H
#define REFDATA_H

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

struct RefCase {
    std::string kind;
    std::string name;
    std::map<std::string, std::vector<std::string>> keys;
    std::map<std::string, std::vector<double>> data;

    int Int(const std::string &key) const;
    std::vector<double> Numbers(const std::string &key) const;
    std::string Text(const std::string &key) const;
    std::string Label(const std::string &key) const; /* '_' read as a blank */
};

/* Names a case in test output. */
void PrintTo(const RefCase &rc, std::ostream *os);

/* Every case of kind in the reference file (empty if the file is missing). */
std::vector<RefCase> LoadRefCases(const std::string &kind);

/* The samples of a signal spec [seed, rate, count, noise, offset, amp, freq,
 * ...] exactly as tests/tools/make_numerics_ref.py makes them. */
std::vector<short> MakeSignal(const std::vector<double> &spec);

/* count digital samples from start of the signal labelled label in an EDF or
 * EDF+ file; false when the file is missing or does not hold them. */
bool ReadEdfSamples(const std::string &path, const std::string &label, int start, int count,
                    std::vector<short> *pSamples);

/* The input of a case: its "sig<suffix>" signal, or the recording samples of
 * its "label<suffix>" channel; false (with a reason) when they are missing. */
bool CaseSamples(const RefCase &rc, const std::string &suffix, std::vector<short> *pSamples,
                 std::string *pWhy);

#endif /* REFDATA_H */
