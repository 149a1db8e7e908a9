#!/usr/bin/env bash
# tools/package with a throwaway code-signing certificate made here: both
# programs and the installer carry a signature that verifies against it;
# without a certificate the package says plainly that it is not signed.
#   signing-test.sh SOURCE-DIR BUILD-DIR PROGRAMS-DIR VERSION
set -uo pipefail
src=$1 build=$2 programs=$3 version=$4
if ! command -v wixl >/dev/null; then
  echo "SKIPPED: wixl is not installed (tools/setup installs it); signing was not tested"
  exit 0
fi
work="$build/signing-test"
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Dustrel test signer" \
  -addext "extendedKeyUsage=codeSigning" -keyout key.pem -out cert.pem 2>/dev/null || { echo "FAILED: openssl"; exit 1; }
openssl pkcs12 -export -inkey key.pem -in cert.pem -passout pass:throwaway -out signer.p12 || exit 1

said=$(DUSTREL_SIGN_PASSWORD=throwaway "$src/tools/package" --pkcs12 signer.p12 --programs "$programs" \
  --version "$version" --out signed) || fail "tools/package --pkcs12"
[[ "$said" == *"signed with"* ]] || fail "the signed package does not say so: $said"
mkdir programs
unzip -q "signed/Dustrel-$version-x64.zip" -d programs || fail "no zip"
for file in programs/Dustrel.exe programs/DustrelCmd.exe "signed/Dustrel-$version-x64.msi"; do
  osslsigncode verify -CAfile cert.pem -in "$file" >"$file.verify" 2>&1 || fail "$file: $(cat "$file.verify")"
  grep -q "Dustrel test signer" "$file.verify" || fail "$file is not signed by the test's signer"
done

said=$("$src/tools/package" --programs "$programs" --version "$version" --out unsigned) || fail "tools/package"
[[ "$said" == *"NOT SIGNED"* ]] || fail "an unsigned package does not say so: $said"
unzip -q "unsigned/Dustrel-$version-x64.zip" Dustrel.exe -d unsigned-programs
osslsigncode verify -CAfile cert.pem -in unsigned-programs/Dustrel.exe >/dev/null 2>&1 && fail "an unsigned program verifies"

[ $failures -eq 0 ] || exit 1
echo "signed and verified: Dustrel.exe, DustrelCmd.exe, Dustrel-$version-x64.msi"
