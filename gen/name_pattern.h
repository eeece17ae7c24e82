#pragma once
// Which names a pattern like "*.jpg;*.png" takes, as Windows matches names: "*" stands for any
// characters, "?" for one, letters' case is ignored; "*.*" takes every name, even one without a dot,
// and a pattern that ends in a dot ("*.") takes the names without one.
#include <string>
#include <string_view>
#include <vector>

class TNamePattern {
public:
    // Patterns apart by ";" (blanks around each ignored); none at all takes every name.
    explicit TNamePattern(std::string_view patterns);

    bool Matches(std::u16string_view name) const;

private:
    struct TOne {
        std::u16string Glob;   // capitals, as the names are compared
        bool NoDot = false;    // the name must have no dot
    };
    std::vector<TOne> Patterns;
    bool All = false;
};
