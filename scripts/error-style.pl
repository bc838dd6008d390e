#!/usr/bin/env perl
# Finds the declarations that break a layer's error style (README, "Source tree"); check-house-rules.sh gives each
# rule its layers and message. Prints "file:line: declaration" for each one found, and exits 1 when any is.
#   error-style.pl out-parameter RETURN WORKED-ON FILE...
#     a function that returns RETURN (a regular expression) and takes a non-const reference or pointer that is not
#     one of the WORKED-ON types (a regular expression): the objects a function works on or through, such as a file,
#     a printer or a handler, which it uses rather than fills.
#   error-style.pl int-error-code FILE...
#     an int that holds an error code: a function returning int whose name or comment says it is an error code, or
#     a parameter or data member of type int named as an error.
use strict;
use warnings;

my $mode = shift @ARGV // die "usage: error-style.pl out-parameter|int-error-code ...\n";
my ($returns, $workedOn) = $mode eq 'out-parameter' ? splice(@ARGV, 0, 2) : ();
my $found = 0;

# Splits a parameter list at the commas outside <>, () and {}.
sub Parameters {
  my ($list) = @_;
  my @parts;
  my ($part, $depth) = ('', 0);
  for my $c (split //, $list) {
    $depth++ if $c =~ /[<({]/;
    $depth-- if $c =~ /[>)}]/;
    if ($c eq ',' && $depth == 0) { push @parts, $part; $part = ''; } else { $part .= $c; }
  }
  push @parts, $part if $part =~ /\S/;
  return @parts;
}

# A reference or pointer through which the function may write: neither const before it nor an rvalue reference.
sub IsOutParameter {
  my ($parameter) = @_;
  $parameter =~ s/=.*//s;  # a default argument
  return 0 unless $parameter =~ /[&*]/ && $parameter !~ /&&/;
  return 0 if $parameter =~ /^\s*const\b/ || $parameter =~ /\bconst\s*[&*]/;
  return $parameter !~ /(?:^|[\s:])(?:$workedOn)\s*[&*]/;
}

sub Report {
  my ($file, $text, $offset, $what) = @_;
  my $line = 1 + (substr($text, 0, $offset) =~ tr/\n//);
  $what =~ s/\s+/ /g;
  print "$file:$line: $what\n";
  $found = 1;
}

for my $file (@ARGV) {
  open(my $in, '<', $file) or die "$file: $!\n";
  my $source = do { local $/; <$in> };
  close $in;
  # Comments blanked, every offset kept, so that a comment never reads as a declaration.
  (my $code = $source) =~ s{//[^\n]*|/\*.*?\*/}{ (my $c = $&) =~ s/[^\n]/ /g; $c }gse;

  if ($mode eq 'out-parameter') {
    while ($code =~ /(?<![\w:<,.>])(?:(?:static|virtual|inline|constexpr)\s+)*($returns)\s+((?:\w+::)*\w+)\s*\(((?:[^()]|\((?3)\))*)\)/g) {
      my ($name, $list, $at) = ($2, $3, $-[1]);
      my @out = grep { IsOutParameter($_) } Parameters($list);
      Report($file, $code, $at, "$1 $name(..." . join(',', @out) . "...)") if @out;
    }
  } elsif ($mode eq 'int-error-code') {
    while ($code =~ /(?<![\w:<,.])int\s+((?:\w+::)*(\w+))\s*\(/g) {
      my ($name, $base, $at) = ($1, $2, $-[0]);
      my $before = substr($source, 0, $at);
      my ($comment) = $before =~ /((?:^[ \t]*\/\/[^\n]*\n)+)[ \t]*(?:(?:static|inline|constexpr)\s+)*\z/m;
      $comment //= '';
      if ($base =~ /Error|Errno/ || $comment =~ /error code|errno|0 on success/i) {
        Report($file, $code, $at, "int $name(...)");
      }
    }
    while ($code =~ /(?<![\w:<])int\s+(\w*(?:error|errno)\w*)\s*(?=[,)=;{])/gi) {
      Report($file, $code, $-[0], "int $1");
    }
  } else {
    die "error-style.pl: unknown rule kind '$mode'\n";
  }
}
exit $found;
