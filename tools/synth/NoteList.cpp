#include "NoteList.h"

#include <cctype>
#include <cmath>
#include <sstream>
#include <vector>

namespace synth {

namespace {

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string::size_type comment = 0;
    while ((comment = line.find('#', comment)) != std::string::npos && comment > 0 &&
           !std::isspace(static_cast<unsigned char>(line[comment - 1])))
        ++comment;
    std::istringstream stream(line.substr(0, comment));
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

std::vector<std::string> splitOn(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type begin = 0;
    for (;;) {
        const auto end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end - begin));
        if (end == std::string::npos)
            return parts;
        begin = end + 1;
    }
}

double number(const std::string& word)
{
    std::size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(word, &used);
    } catch (const std::exception&) {
        throw std::invalid_argument("not a number: " + word);
    }
    if (used != word.size() || !std::isfinite(value))
        throw std::invalid_argument("not a number: " + word);
    return value;
}

double numberIn(const std::string& word, double low, double high, const char* what)
{
    const double value = number(word);
    if (value < low || value > high) {
        std::ostringstream message;
        message << what << " must lie in " << low << ".." << high << ", not " << word;
        throw std::invalid_argument(message.str());
    }
    return value;
}

Wave waveNamed(const std::string& name)
{
    static const std::pair<const char*, Wave> waves[] = {
        {"sine", Wave::Sine},   {"triangle", Wave::Triangle}, {"square", Wave::Square},
        {"pulse", Wave::Pulse}, {"saw", Wave::Saw},           {"noise", Wave::Noise},
        {"hiss", Wave::Hiss},   {"kick", Wave::Kick},         {"snare", Wave::Snare},
    };
    for (const auto& [waveName, wave] : waves)
        if (name == waveName)
            return wave;
    throw std::invalid_argument("unknown wave: " + name);
}

void setVoiceOption(Voice& voice, const std::string& option)
{
    const auto equals = option.find('=');
    if (equals == std::string::npos)
        throw std::invalid_argument("voice option needs key=value: " + option);
    const std::string key = option.substr(0, equals);
    const std::string value = option.substr(equals + 1);
    if (key == "vol") {
        voice.volume = numberIn(value, 0.0, 1.0, "vol");
    } else if (key == "duty") {
        voice.duty = numberIn(value, 0.05, 0.95, "duty");
    } else if (key == "slide") {
        voice.slide = numberIn(value, -48.0, 48.0, "slide");
    } else if (key == "vib") {
        const auto parts = splitOn(value, '@');
        if (parts.size() != 2)
            throw std::invalid_argument("vib needs cents@hertz: " + value);
        voice.vibratoCents = numberIn(parts[0], 0.0, 200.0, "vibrato depth");
        voice.vibratoHz = numberIn(parts[1], 0.0, 20.0, "vibrato rate");
    } else if (key == "detune") {
        voice.detuneCents = numberIn(value, -100.0, 100.0, "detune");
    } else if (key == "bright") {
        voice.brightness = numberIn(value, 0.01, 1.0, "bright");
    } else {
        throw std::invalid_argument("unknown voice option: " + key);
    }
}

class Reader {
public:
    void statement(const std::vector<std::string>& words);
    Score take();

private:
    void need(const std::vector<std::string>& words, std::size_t least, std::size_t most) const;
    int voiceNamed(const std::string& name) const;
    std::vector<double> pitches(const std::string& word) const;
    void addNotes(double at, int voice, const std::string& pitch, double length, double velocity);
    Score score_;
};

void Reader::need(const std::vector<std::string>& words, std::size_t least, std::size_t most) const
{
    const std::size_t given = words.size() - 1;
    if (given < least || given > most)
        throw std::invalid_argument("wrong number of arguments to " + words[0]);
}

int Reader::voiceNamed(const std::string& name) const
{
    for (std::size_t i = 0; i < score_.voices.size(); ++i)
        if (score_.voices[i].name == name)
            return static_cast<int>(i);
    throw std::invalid_argument("undeclared voice: " + name);
}

std::vector<double> Reader::pitches(const std::string& word) const
{
    if (word == "-")
        return {0.0};
    std::vector<double> frequencies;
    for (const auto& part : splitOn(word, '+')) {
        if (!part.empty() && (std::isdigit(static_cast<unsigned char>(part[0])) || part[0] == '.'))
            frequencies.push_back(numberIn(part, 10.0, 10000.0, "frequency"));
        else
            frequencies.push_back(NoteList::noteFrequency(part));
    }
    return frequencies;
}

void Reader::addNotes(double at, int voice, const std::string& pitch, double length, double velocity)
{
    if (length <= 0.0)
        throw std::invalid_argument("a note needs a positive length");
    for (double frequency : pitches(pitch))
        score_.notes.push_back({at, length, voice, frequency, velocity});
}

void Reader::statement(const std::vector<std::string>& words)
{
    const std::string& keyword = words[0];
    if (keyword == "rate") {
        need(words, 1, 1);
        const double rate = number(words[1]);
        if (rate != 22050.0 && rate != 44100.0)
            throw std::invalid_argument("rate must be 22050 or 44100");
        score_.sampleRate = static_cast<int>(rate);
    } else if (keyword == "tempo") {
        need(words, 1, 1);
        score_.tempo = numberIn(words[1], 20.0, 400.0, "tempo");
    } else if (keyword == "loudness") {
        need(words, 1, 1);
        score_.loudnessDb = numberIn(words[1], -60.0, -3.0, "loudness");
    } else if (keyword == "ceiling") {
        need(words, 1, 1);
        score_.ceilingDb = numberIn(words[1], -30.0, 0.0, "ceiling");
    } else if (keyword == "length") {
        need(words, 1, 1);
        score_.lengthBeats = numberIn(words[1], 0.01, 10000.0, "length");
    } else if (keyword == "loop") {
        need(words, 0, 0);
        score_.loop = true;
    } else if (keyword == "fade") {
        need(words, 2, 2);
        score_.fadeIn = numberIn(words[1], 0.0, 10.0, "fade-in");
        score_.fadeOut = numberIn(words[2], 0.0, 10.0, "fade-out");
    } else if (keyword == "echo") {
        need(words, 3, 3);
        score_.echo.delay = numberIn(words[1], 0.0, 2.0, "echo delay");
        score_.echo.feedback = numberIn(words[2], 0.0, 0.9, "echo feedback");
        score_.echo.mix = numberIn(words[3], 0.0, 1.0, "echo level");
    } else if (keyword == "voice") {
        if (words.size() < 7)
            throw std::invalid_argument("voice needs NAME WAVE attack decay sustain release");
        Voice voice;
        voice.name = words[1];
        for (const auto& other : score_.voices)
            if (other.name == voice.name)
                throw std::invalid_argument("voice declared twice: " + voice.name);
        voice.wave = waveNamed(words[2]);
        voice.envelope.attack = numberIn(words[3], 0.0, 10.0, "attack");
        voice.envelope.decay = numberIn(words[4], 0.0, 10.0, "decay");
        voice.envelope.sustain = numberIn(words[5], 0.0, 1.0, "sustain");
        voice.envelope.release = numberIn(words[6], 0.0, 10.0, "release");
        for (std::size_t i = 7; i < words.size(); ++i)
            setVoiceOption(voice, words[i]);
        score_.voices.push_back(voice);
    } else if (keyword == "note") {
        need(words, 4, 5);
        const double velocity = words.size() > 5 ? numberIn(words[5], 0.0, 1.0, "velocity") : 1.0;
        addNotes(numberIn(words[1], 0.0, 10000.0, "time"), voiceNamed(words[2]), words[3], number(words[4]), velocity);
    } else if (keyword == "line") {
        need(words, 3, 10000);
        double at = numberIn(words[1], 0.0, 10000.0, "time");
        const int voice = voiceNamed(words[2]);
        for (std::size_t i = 3; i < words.size(); ++i) {
            const auto parts = splitOn(words[i], '/');
            if (parts.size() < 2 || parts.size() > 3)
                throw std::invalid_argument("line token must be PITCH/LENGTH[/VELOCITY]: " + words[i]);
            const double length = number(parts[1]);
            const double velocity = parts.size() == 3 ? numberIn(parts[2], 0.0, 1.0, "velocity") : 1.0;
            if (parts[0] != "r")
                addNotes(at, voice, parts[0], length, velocity);
            else if (length <= 0.0)
                throw std::invalid_argument("a rest needs a positive length");
            at += length;
        }
    } else {
        throw std::invalid_argument("unknown statement: " + keyword);
    }
}

Score Reader::take()
{
    if (score_.loop && !score_.lengthBeats)
        throw std::invalid_argument("a loop needs a length");
    if (score_.loop && score_.echo.delay > 0.0)
        throw std::invalid_argument("a loop cannot have an echo");
    if (score_.notes.empty())
        throw std::invalid_argument("no notes");
    return score_;
}

} // namespace

NoteList::Error::Error(int line, const std::string& message) : std::runtime_error(message), line_(line) {}

double NoteList::noteFrequency(const std::string& name)
{
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("not a note: " + name);
    int semitone = steps[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#') {
        ++semitone;
        ++at;
    } else if (name[at] == 'b') {
        --semitone;
        ++at;
    }
    const std::string octaveText = name.substr(at);
    if (octaveText.empty() || octaveText.size() > 2 || octaveText.find_first_not_of("-0123456789") != std::string::npos)
        throw std::invalid_argument("not a note: " + name);
    const int octave = std::stoi(octaveText);
    if (octave < 0 || octave > 8)
        throw std::invalid_argument("octave out of range: " + name);
    const int midi = (octave + 1) * 12 + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Score NoteList::parse(std::istream& in)
{
    Reader reader;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const auto words = splitWords(line);
        if (words.empty())
            continue;
        try {
            reader.statement(words);
        } catch (const std::invalid_argument& error) {
            throw Error(lineNumber, error.what());
        }
    }
    try {
        return reader.take();
    } catch (const std::invalid_argument& error) {
        throw Error(lineNumber, error.what());
    }
}

} // namespace synth
