// The verification pass: the rules of one layout applied to the values cut by
// it, with the presence code of the line's transaction type, at most ten
// errors per line. It tells what it does to the run's report, when one is
// asked: the console reports and the check command are drawn from that.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/moteur.hpp"

namespace vse {

// The reader's line flags become errors on the first pass of the line.
int Moteur::erreursDeLigne(int nb) {
    Rapport* const r = rapportCourant_;
    auto defaut = [&](int& drapeau, int noErr) {
        const bool place = nb <= 9;
        if (r != nullptr) r->defautDeLigne(noErr, place);
        if (place) {
            drapeau = 0;
            codeErreur[nb++] = noErr;
        }
    };
    if (codCaract == 1) defaut(codCaract, 106);
    if (codLong == 1) {
        defaut(codLong, 107);
    } else if (codLong == 2) {
        defaut(codLong, 108);
    }
    return nb;
}

int Moteur::verifPlan(int nb, const Plan& p, const char* valE5, char lettre) {
    return verifPlan(nb, p, valE5 != nullptr ? colonneDe(valE5) : COLONNE_SANS_TYPE, lettre);
}

int Moteur::colonneDe(const char* e5) {
    const int col = colonnePresence(e5);
    return col < 0 ? COLONNE_TYPE_INCONNU : col;
}

// The walk of a plan's steps, compiled twice from this one text: with the
// report's calls, and without them (nothing to test per row then).
template <bool AvecRapport>
int Moteur::parcourir(int nb, const Plan& p, int col, char lettre) {
    Rapport* const r = rapportCourant_;
    // What the report is told of a row that recorded an error.
    auto signaler = [&](const Plan::Etape& e, int noErr, int presence) {
        const Plan::Decoupe& d = p.decoupes[static_cast<std::size_t>(e.index)];
        r->erreurChamp({lettre, e.index + 1, e.ligne, d.debut + 1, d.debut + d.largeur, e.valeur, noErr, presence});
    };
    // Rows after the tenth error are not applied; the detailed report still
    // names them.
    if (!AvecRapport && nb >= MAX_ERREURS) return nb;
    for (const Plan::Etape& e : p.etapes) {
        if constexpr (AvecRapport) r->rangee(*e.ligne);
        const int code = e.codes[col];
        if (code == 0) {
            if constexpr (AvecRapport) {
                if (nb >= MAX_ERREURS) continue;
                r->appliquee(*e.ligne, e.valeur);
            }
            if (e.regle(vue_, e.dependance, e.valeur, e.liste, e.lgListe) == 0) {
                codeErreur[nb++] = e.ligne->noErr;
                if constexpr (AvecRapport) signaler(e, e.ligne->noErr, 0);
                if (!AvecRapport && nb == MAX_ERREURS) return nb;
            }
            continue;
        }
        if (code == SANS_REGLE || nb >= MAX_ERREURS) continue;
        if (code == 1) {
            if constexpr (AvecRapport) r->ignoree(*e.ligne, e.valeur);
            continue;
        }
        // A row forbidden for the transaction type (or an unknown type).
        codeErreur[nb++] = 86;
        if constexpr (AvecRapport) signaler(e, 86, code);
        if (!AvecRapport && nb == MAX_ERREURS) return nb;
    }
    return nb;
}

// The frame's rules read nothing but the frame of the line (the header rules
// the header, the trailer rules the trailer and E6) and the FICH record, and
// they leave the values as cut: a line whose frame bytes repeat those of an
// earlier line gets the errors that line got, without the rules being applied
// again. Files repeat their frame from line to line, so this is most lines.
// With a report every row is walked, as the report tells them.
int Moteur::verifierFin(int nb) {
    if (rapportCourant_ != nullptr) return verifPlan(nb, planFin, nullptr, 'F');
    if (codCaract != 0 || codLong != 0) nb = erreursDeLigne(nb);
    int n = 0;
    if (const int* connus = memoCadre_.trouverFin(tampon, n)) {
        for (int k = 0; k < n && nb < MAX_ERREURS; ++k) codeErreur[nb++] = connus[k];
        return nb;
    }
    const int debut = nb;
    nb = parcourir<false>(nb, planFin, COLONNE_SANS_TYPE, 'F');
    // A walk cut short by the tenth error does not know the trailer's whole
    // answer: it is not kept.
    if (nb < MAX_ERREURS) memoCadre_.garderFin(codeErreur + debut, nb - debut);
    return nb;
}

std::vector<Moteur::MemoCadre::Mot> Moteur::MemoCadre::mots(const std::vector<std::pair<int, int>>& plages) {
    // Ranges sorted and merged: each byte read once.
    std::vector<std::pair<int, int>> r = plages;
    std::sort(r.begin(), r.end());
    std::vector<std::pair<int, int>> fusion;
    for (const auto& [debut, largeur] : r) {
        if (!fusion.empty() && debut <= fusion.back().first + fusion.back().second) {
            auto& [d, l] = fusion.back();
            l = std::max(l, debut + largeur - d);
        } else {
            fusion.emplace_back(debut, largeur);
        }
    }
    std::vector<Mot> m;
    for (const auto& [debut, largeur] : fusion) {
        for (int o = 0; o < largeur; o += 8) {
            const int reste = largeur - o;
            m.push_back({debut + o, reste >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * reste)) - 1});
        }
    }
    return m;
}

void Moteur::MemoCadre::definir(const std::vector<std::pair<int, int>>& entete,
                                const std::vector<std::pair<int, int>>& fin) {
    mots_ = mots(entete);
    motsFin_ = mots(fin);
    nbMots_ = static_cast<int>(mots_.size());
    nbMotsFin_ = static_cast<int>(motsFin_.size());
    actif_ = nbMots_ <= MOTS && std::endian::native == std::endian::little;
    actifFin_ = actif_ && nbMotsFin_ <= MOTS_FIN;
    if (actif_) cases_.assign(NB_CASES, Case{});
}

const Moteur::MemoCadre::Resultat* Moteur::MemoCadre::trouver(const char* ligne) {
    derniere_ = nullptr;
    courante_ = false;
    if (!actif_) return nullptr;
    // The bytes read by words of eight (the bytes past a range's end
    // cleared), mixed into a slot number as they come. The header of the
    // frame is eight words: that count is the common case, unrolled.
    auto lire = [this, ligne](int k) {
        std::uint64_t mot = 0;
        std::memcpy(&mot, ligne + mots_[static_cast<std::size_t>(k)].debut, sizeof mot);
        return mot & mots_[static_cast<std::size_t>(k)].masque;
    };
    std::uint64_t h = 0;
    if (nbMots_ == 8) {
        for (int k = 0; k < 8; ++k) {
            cle_[k] = lire(k);
            h = (h ^ cle_[k]) * 0x9E3779B97F4A7C15ULL;
        }
    } else {
        for (int k = 0; k < nbMots_; ++k) {
            cle_[k] = lire(k);
            h = (h ^ cle_[k]) * 0x9E3779B97F4A7C15ULL;
        }
    }
    // Two slots per set, so that two headers whose hashes meet do not put
    // each other out at every line; a header met anew replaces the one of
    // the set used least lately.
    const std::size_t ensemble = static_cast<std::size_t>(h >> 57) * 2;
    auto meme = [this](const Case& c) {
        std::uint64_t difference = 0;
        for (int i = 0; i < nbMots_; ++i) difference |= c.cle[i] ^ cle_[i];
        return c.plein && difference == 0;
    };
    for (std::size_t voie = 0; voie < 2; ++voie) {
        Case& c = cases_[ensemble + voie];
        if (meme(c)) {
            cases_[ensemble + (voie ^ 1)].recent = false;
            c.recent = true;
            derniere_ = &c;
            courante_ = true;
            return &c.resultat;
        }
    }
    // Not found: the slot to take, should the header's answer be kept.
    derniere_ = &cases_[ensemble + (cases_[ensemble].recent ? 1 : 0)];
    return nullptr;
}

void Moteur::MemoCadre::garder(const Resultat& r) {
    if (derniere_ == nullptr) return;
    std::memcpy(derniere_->cle, cle_, sizeof cle_);
    derniere_->resultat = r;
    derniere_->plein = true;
    derniere_->nFin = -1;
    const std::size_t i = static_cast<std::size_t>(derniere_ - cases_.data());
    cases_[i ^ 1].recent = false;
    derniere_->recent = true;
    courante_ = true;
}

const int* Moteur::MemoCadre::trouverFin(const char* ligne, int& n) {
    if (!courante_ || !actifFin_) return nullptr;
    std::uint64_t difference = 0;
    for (int k = 0; k < nbMotsFin_; ++k) {
        std::uint64_t mot = 0;
        std::memcpy(&mot, ligne + motsFin_[static_cast<std::size_t>(k)].debut, sizeof mot);
        mot &= motsFin_[static_cast<std::size_t>(k)].masque;
        cleFin_[k] = mot;
        difference |= derniere_->cleFin[k] ^ mot;
    }
    if (derniere_->nFin < 0 || difference != 0) return nullptr;
    n = derniere_->nFin;
    return derniere_->codesFin;
}

void Moteur::MemoCadre::garderFin(const int* codes, int n) {
    if (!courante_ || !actifFin_) return;
    std::memcpy(derniere_->cleFin, cleFin_, sizeof cleFin_);
    std::memcpy(derniere_->codesFin, codes, static_cast<std::size_t>(n) * sizeof *codes);
    derniere_->nFin = n;
}

int Moteur::verifChamps(int v, int nb, const Table& t, valeurVSE* valChampsVSE, const char* valE5,
                        const char* premLettre) {
    Plan p(t);
    p.placer(valChampsVSE, nullptr, [this](const Dependance& d) { return resoudre(d); });
    choisirRapport(v);
    return verifPlan(nb, p, valE5, premLettre[0]);
}

template int Moteur::parcourir<true>(int, const Plan&, int, char);
template int Moteur::parcourir<false>(int, const Plan&, int, char);

}  // namespace vse
