#pragma once

// What the rows of one check run refer to, shared by the results grid (TResultsModel) and the
// results file (TResultsFileWriter), and the rules both follow to make a row's texts.

#include "lottery/CheckRules.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TResultRowBytes;

struct TCheckRun
{
    struct TContest
    {
        QString Number;                         // "Concurso" column
        QString Numbers;                        // "Resultado" column, the drawn numbers as stored
        std::vector<std::pair<int, int>> Spans; // where each ";"-separated token of Numbers starts, its length
        std::vector<std::uint8_t> Values;       // value of each token (only when ByMask)
        std::uint64_t Mask = 0;                 // drawn numbers as bits
        bool ByMask = false;                    // every token is a distinct whole number from 1 to 60

        QStringView Token(std::size_t aIndex) const
        {
            return QStringView(Numbers).sliced(Spans[aIndex].first, Spans[aIndex].second);
        }
    };
    struct TGroup
    {
        QString Name;
    };
    struct TBet
    {
        QString Text;
        std::uint64_t Mask = 0;
        bool ByMask = false;
        std::uint32_t Group = 0;
    };
    std::vector<TContest> Contests; // one per contest entry, in list order
    std::vector<TGroup> Groups;     // checked groups, top of the group list first
    std::vector<TBet> Bets;         // every bet of every checked group

    void ContestAdd(const QString& aNumber, const QString& aNumbers);

    // The UTF-8 pieces of the rows, made by the first results file written from this run.
    mutable std::shared_ptr<const TResultRowBytes> RowBytes;
};

// The five texts of a row: "Concurso", "Resultado", "Aposta", "Acertos", "Sorte".
using TResultTexts = std::array<QString, 5>;

// The "Acertos" text of aBet against aContest: the drawn numbers hit, in drawn order, each as
// the contest writes it, joined by ";"; kNoHitsText when none is hit. With aByMask, aHits holds
// the numbers hit as bits; without (numbers that are not all plain), the texts are compared.
QString ResultHitsText(const TCheckRun::TContest& aContest, const QString& aBet, std::uint64_t aHits, bool aByMask);

// A row as a line of a results file, without its line end: the five texts joined by tabs, UTF-8.
QByteArray ResultLine(const TResultTexts& aTexts);
