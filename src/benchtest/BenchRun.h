#pragma once
// The test at the bench of one cable, without its window: the steps a builder walks with a meter
// (every connection must beep, then every neighbour pair must stay silent), the answers given, and
// what they mean. No windows.h here.

#include <string>
#include <vector>

#include "datafiles/CableIndex.h"

struct BenchStep {
    enum class Kind { Connection, Neighbours };
    Kind kind = Kind::Connection;
    std::string from;  // "S3", "EL:C"
    std::string to;
    std::string fromSignal;  // may be empty
    std::string toSignal;

    // "Probes on S3 (TxD) and E2 (RxD): does the meter beep?" or
    // "Probes on S2 and S3: it must stay silent."
    std::string question() const;
    bool wantsBeep() const { return kind == Kind::Connection; }
};

// Each pair of the continuity list (a jumper's two contacts, each wire of a ribbon, each plug of a
// Y-cable, the shield where both its ends are wired), then each end's neighbour pairs.
std::vector<BenchStep> BenchSteps(const IndexedCable& cable);

enum class BenchAnswer { Beeps, Silent };

// The steps and the answers given so far, one a step from the first.
class BenchRun {
public:
    explicit BenchRun(std::vector<BenchStep> steps) : steps(std::move(steps)) {}

    bool finished() const { return answers.size() == steps.size(); }
    // The step asked now; null once every step is answered.
    const BenchStep* current() const { return finished() ? nullptr : &steps[answers.size()]; }
    std::size_t stepNumber() const { return answers.size() + 1; }  // 1-based
    std::size_t stepCount() const { return steps.size(); }
    std::size_t answered() const { return answers.size(); }

    void answer(BenchAnswer a) {
        if (!finished()) answers.push_back(a);
    }
    // One step back, forgetting its answer; false on the first step.
    bool back() {
        if (answers.empty()) return false;
        answers.pop_back();
        return true;
    }

    // What the answers mean: the first line the summary, then one line a fault.
    // "Good: 9 of 9 connections, 14 neighbour pairs silent"; a silent connection "open: a cold
    // joint or a broken wire", or "on the wrong contact" where one of its contacts beeps to a
    // neighbour; a neighbour pair that beeps otherwise "solder bridge between S2 and S3".
    std::vector<std::string> verdict() const;

private:
    std::vector<BenchStep> steps;
    std::vector<BenchAnswer> answers;
};

// The verdict as a block for the end of the user's notes: "Test at the bench, 2026-12-10 12:34: "
// and the verdict, its faults indented below, CR LF line ends.
std::string VerdictBlock(const std::vector<std::string>& verdict, const std::string& dateTime);

// The bytes to append to a notes file that holds `existing` (empty for a new file): a blank line
// after what is there, then the block in
// the file's own encoding, UTF-16 or UTF-8 where the file starts with their mark or is UTF-8
// without one, code page 1252 otherwise, so that what the user wrote reads on as before.
std::string NotesAppendBytes(const std::string& existing, const std::string& block1252);
