# Sourced by the bash scripts that run the project's Windows programs under Wine:
#   . scripts/use-wine-prefix.sh PREFIX
# makes the prefix once (wine-prefix.sh) and exports the project's Wine environment
# (cmake/wine.env) with WINEPREFIX set to it.
use_wine_here=$(dirname "${BASH_SOURCE[0]}")
sh "$use_wine_here/wine-prefix.sh" "$1"
set -a
. "$use_wine_here/../cmake/wine.env"
set +a
export WINEPREFIX="$1"
